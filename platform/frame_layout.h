#pragma once

#include "platform/geometry.h"

// Where the parts of the main window's frame lie, as read from the real window
// (frames differ in thickness between Windows versions, themes and scalings).
namespace kelp {

// Window coordinates: the origin is the window's top-left corner.
struct FrameLayout {
  int windowWidth = 0;
  int windowHeight = 0;
  Rect caption;  // between the frame's borders, above the menu bar
  Rect menuBar;
  Point client;  // the client area's top-left corner
  int menuTitlesRight = 0;  // the right end of the last menu title
};

constexpr int kPowerGlyphSize = 16;
constexpr int kTipGlyphGap = 2;
constexpr int kTipLeft = 300;

// The 16 x 16 power glyph at the right end of the menu bar.
constexpr Rect PowerGlyphBox(const FrameLayout& f) {
  const int left = f.menuBar.right - kPowerGlyphSize;
  const int top = f.menuBar.top + 1;
  return {left, top, left + kPowerGlyphSize, top + kPowerGlyphSize};
}

// Where a click on the glyph counts, in client coordinates: the glyph's columns
// from the top of the menu bar down to the client area.
constexpr Rect PowerGlyphHitRect(const FrameLayout& f) {
  const Rect glyph = PowerGlyphBox(f);
  return {glyph.left - f.client.x, f.menuBar.top - f.client.y, glyph.right - f.client.x, 0};
}

// The part of the menu-bar row right of the menu titles, ending just before the glyph.
constexpr Rect TipRect(const FrameLayout& f) {
  const int top = f.menuBar.top - 1;
  const int left = f.menuTitlesRight + kTipGlyphGap > kTipLeft ? f.menuTitlesRight + kTipGlyphGap
                                                              : kTipLeft;
  return {left, top, PowerGlyphBox(f).left - kTipGlyphGap, top + f.menuBar.height()};
}

}  // namespace kelp
