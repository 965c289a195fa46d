#include "practice/exercise.h"

#include <cstring>

namespace kelp {

void Exercise::RequestStart(int level) {
  if (level >= 0 && level < kLevelCount) level_ = level;
  cursor_ = -1;
  phase_ = Phase::Start;
}

bool Exercise::Begin(std::string_view passage, long long now) {
  if (passage.size() < static_cast<size_t>(length())) return false;
  std::memcpy(passage_, passage.data(), static_cast<size_t>(length()));
  cursor_ = -1;
  startTime_ = now;
  phase_ = Phase::Ready;
  return true;
}

KeyOutcome Exercise::Type(char c, long long now) {
  if (!passageShown() || cursor_ + 1 >= length()) return {};
  typed_[++cursor_] = c;
  if (phase_ == Phase::Ready) {
    phase_ = Phase::Typing;
    startTime_ = now;
  }
  KeyOutcome outcome{true, rightAt(cursor_), cursor_ >= length() - 1};
  if (outcome.finished) {
    phase_ = Phase::Finished;
    endTime_ = now;
  }
  return outcome;
}

bool Exercise::Backspace() {
  if (!active() || cursor_ < 0) return false;
  --cursor_;
  return true;
}

}  // namespace kelp
