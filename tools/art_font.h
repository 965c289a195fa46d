#pragma once

// A 5x7 pixel font with descenders, drawn at any scale. At scale 2 and above
// diagonal steps are joined by round strokes, so letters look smooth.

#include <string_view>

#include "tools/art_canvas.h"

namespace art {

constexpr int kCapHeight = 7;  // font pixels

// Arrow glyphs.
constexpr char kArrowUp = '\x01', kArrowDown = '\x02', kArrowLeft = '\x03', kArrowRight = '\x04';

float TextWidth(std::string_view text, float scale);
// Top-left of the capital letters at (x, y).
void DrawText(Image& img, float x, float y, std::string_view text, float scale, Color c);
// Centred on (cx, cy), by the capital letters' height; '\n' starts a new line.
void DrawTextCentered(Image& img, float cx, float cy, std::string_view text, float scale, Color c);

}  // namespace art
