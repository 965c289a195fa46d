#pragma once

#include "platform/level_count.h"

#include <array>
#include <vector>

// Scores of finished exercises that their history did not take yet (a file held
// by a virus scanner or a sync client, a full disk), oldest first per level. They
// are stored with the next score of their level or when the program closes.
namespace kelp {

class OwedScores {
 public:
  // Only the latest 30 of a level can still reach its history.
  void Add(int level, float score);
  const std::vector<float>& Of(int level) const { return owed_[level]; }
  // Stored, or deleted with every history.
  void Settle(int level) { owed_[level].clear(); }
  void SettleAll();
  bool empty() const;

 private:
  std::array<std::vector<float>, kLevelCount> owed_;
};

}  // namespace kelp
