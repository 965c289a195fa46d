// The tool strip's slide, step by step.
#include "app/page_state.h"

namespace kelp {

namespace {

constexpr int kSlideAwayStart = -51;
constexpr int kSlideAwayEnd = 19;
constexpr int kSlideBackStart = -21;
constexpr int kSlideBackEnd = 59;
constexpr int kStepPerTick = 5;
constexpr int kAwayStripBase = -50;
constexpr int kBackStripBase = -54;

}  // namespace

void ToolStripSlide::SlideAway() {
  state_ = StripState::SlidingAway;
  step_ = kSlideAwayStart;
}

void ToolStripSlide::SlideBack() {
  state_ = StripState::SlidingBack;
  step_ = kSlideBackStart;
}

// A slide ends once its step reaches or passes the end value.
bool ToolStripSlide::Tick() {
  if (!sliding()) return false;
  step_ += kStepPerTick;
  const bool away = state_ == StripState::SlidingAway;
  if (step_ < (away ? kSlideAwayEnd : kSlideBackEnd)) return false;
  state_ = away ? StripState::Hidden : StripState::Shown;
  step_ = 0;
  return true;
}

int ToolStripSlide::stripY() const {
  switch (state_) {
    case StripState::SlidingAway:
      return kAwayStripBase - step_;
    case StripState::SlidingBack:
      return step_ + kBackStripBase;
    default:
      return kStripRestY;
  }
}

int ToolStripSlide::separatorY() const {
  switch (state_) {
    case StripState::Shown:
      return kShownSeparatorY;
    case StripState::Hidden:
      return kHiddenSeparatorY;
    default:
      return step_ < 0 ? -step_ : step_;
  }
}

}  // namespace kelp
