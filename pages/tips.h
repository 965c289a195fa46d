#pragma once

#include "platform/frame_layout.h"

#include <array>
#include <string_view>

// The tips that turn in the menu-bar row every four seconds.
namespace kelp {

constexpr int kTipCount = 13;
// GBK, in the order they are shown; tip 0 is the welcome line.
extern const std::array<std::string_view, kTipCount> kTipTexts;

class TipRotation {
 public:
  std::string_view Current() const;

  // A tick of the tip timer: the next tip, after the last one the first again.
  void Advance();

 private:
  int index_ = 0;
};

// The tip font's size in points: the menu bar less ten, the bar measured at
// 96 dpi so that the tip grows with a scaled display as the bar does.
constexpr int TipPointSize(int cyMenu, int dpi) {
  return cyMenu * 96 / dpi - 10;
}

}  // namespace kelp
