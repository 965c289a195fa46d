#pragma once

#include "pages/tips.h"

#include <windows.h>

#include <string_view>

namespace kelp {

// One tip in the menu-bar row, on a whole-window DC: the tip rectangle is filled
// with `face` first, so nothing of the previous tip stays, and the text is
// right-aligned and clipped to it, clear of the power glyph.
// The font follows the menu-bar metric `cyMenu`.
void DrawTip(HDC windowDc, const FrameLayout& frame, int cyMenu, std::string_view gbkTip,
             COLORREF face, COLORREF text);

}  // namespace kelp
