#include "scores/owed_scores.h"

#include "scores/score_history.h"

namespace kelp {

void OwedScores::Add(int level, float score) {
  std::vector<float>& scores = owed_[level];
  scores.push_back(score);
  if (scores.size() > static_cast<std::size_t>(kHistoryCapacity)) scores.erase(scores.begin());
}

void OwedScores::SettleAll() {
  for (std::vector<float>& scores : owed_) scores.clear();
}

bool OwedScores::empty() const {
  for (const std::vector<float>& scores : owed_)
    if (!scores.empty()) return false;
  return true;
}

}  // namespace kelp
