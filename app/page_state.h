#pragma once

#include "practice/level_table.h"

// Which page the client area shows, and the tool strip that slides away over it.
namespace kelp {

enum class Page { Home = -1, ScoreSheet = 5, Author = 9, KeyboardLayout = 10 };

constexpr Page LevelPage(int level) {
  return static_cast<Page>(level);
}
// The level of a practice page, or -1.
constexpr int LevelOfPage(Page page) {
  const int value = static_cast<int>(page);
  return value >= 0 && value < kLevelCount ? value : -1;
}

enum class StripState { Shown, SlidingAway, Hidden, SlidingBack };

constexpr int kStripX = 50;
constexpr int kStripRestY = 5;
constexpr int kShownSeparatorY = 55;
constexpr int kHiddenSeparatorY = 20;
constexpr int kSlideBandHeight = 60;

class ToolStripSlide {
 public:
  void SlideAway();
  void SlideBack();
  // Advances a running slide by one timer tick; true when the slide ended with it.
  bool Tick();

  StripState state() const { return state_; }
  bool sliding() const {
    return state_ == StripState::SlidingAway || state_ == StripState::SlidingBack;
  }
  // Where the frame draws them now; the strip is not drawn while hidden.
  int stripY() const;
  int separatorY() const;

 private:
  StripState state_ = StripState::Shown;
  int step_ = 0;
};

}  // namespace kelp
