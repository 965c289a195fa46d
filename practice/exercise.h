#pragma once

#include "practice/level_table.h"

#include <string_view>

// One passage of one level, from loading to the last key.
namespace kelp {

enum class Phase { Idle, Start, Ready, Typing, Finished, Result };

struct KeyOutcome {
  bool stored = false;    // false: the key was ignored
  bool right = false;     // the typed byte matches the passage
  bool finished = false;  // it was the last cell
};

class Exercise {
 public:
  // A passage is wanted (a level page opened, or Enter after a result).
  void RequestStart(int level);
  // False when `passage` is too short for the level; nothing changes then.
  bool Begin(std::string_view passage, long long now);
  void Abandon() { phase_ = Phase::Idle; }
  // A printable key; the clock starts at the first key and stops at the last.
  // Times are whole seconds of a clock that never goes back.
  KeyOutcome Type(char c, long long now);
  bool Backspace();
  void ShowResult() { phase_ = Phase::Result; }

  // Keys reach the exercise until its result is shown.
  bool active() const { return phase_ <= Phase::Finished; }
  bool passageShown() const { return phase_ == Phase::Ready || phase_ == Phase::Typing; }
  int level() const { return level_; }
  Phase phase() const { return phase_; }
  int cursor() const { return cursor_; }
  int length() const { return kLevels[level_].exerciseLength; }
  // Cells 0 .. typedCount() - 1 hold what the learner typed.
  int typedCount() const { return cursor_ + 1 < length() ? cursor_ + 1 : length(); }
  char passageAt(int k) const { return passage_[k]; }
  char typedAt(int k) const { return typed_[k]; }
  bool rightAt(int k) const { return typed_[k] == passage_[k]; }
  std::string_view passage() const { return {passage_, static_cast<size_t>(length())}; }
  std::string_view typed() const { return {typed_, static_cast<size_t>(length())}; }
  int elapsedSeconds() const { return static_cast<int>(endTime_ - startTime_); }

 private:
  int level_ = 0;
  Phase phase_ = Phase::Idle;
  int cursor_ = -1;
  long long startTime_ = 0;
  long long endTime_ = 0;
  char typed_[kTextBufferSize] = {};
  char passage_[kTextBufferSize] = {};
};

}  // namespace kelp
