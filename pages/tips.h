#pragma once

#include "platform/geometry.h"

#include <array>
#include <string_view>

// The tips that turn in the menu-bar row every four seconds, and where that row
// puts them: right-aligned, ending just before the power glyph.
namespace kelp {

constexpr int kTipCount = 13;
// GBK, in the order they are shown; tip 0 is the welcome line.
extern const std::array<std::string_view, kTipCount> kTipTexts;

class TipRotation {
 public:
  // The tip last drawn, 0 to 12.
  int index() const { return index_; }
  std::string_view Current() const;

  // A tick of the tip timer: the next tip, after the last one the first again.
  void Advance();

 private:
  int index_ = 0;
};

// Window coordinates; the origin is the window's top-left corner.
struct MenuRowMetrics {
  int windowWidth = 0;
  int cyCaption = 0;
  int cyMenu = 0;
  int cyBorder = 0;
};

constexpr int kPowerGlyphSize = 16;
constexpr int kTipGlyphGap = 2;

// The 16 x 16 power glyph at the right end of the menu bar.
constexpr Rect PowerGlyphBox(const MenuRowMetrics& m) {
  const int left = m.windowWidth - 2 * m.cyBorder - 17;
  const int top = m.cyCaption + 2 * m.cyBorder + 2;
  return {left, top, left + kPowerGlyphSize, top + kPowerGlyphSize};
}

// The part of the menu-bar row right of the menu titles.
constexpr Rect TipRect(const MenuRowMetrics& m) {
  const int top = m.cyCaption + 2 * m.cyBorder;
  return {300, top, PowerGlyphBox(m).left - kTipGlyphGap, top + m.cyMenu};
}

// The tip font's size in points: the menu bar less ten.
constexpr int TipPointSize(int cyMenu) {
  return cyMenu - 10;
}

}  // namespace kelp
