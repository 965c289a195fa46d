#include "scores/score_history.h"

#include "platform/byte_order.h"

namespace kelp {

std::string ScoreFileName(int level) {
  return "Lev" + std::to_string(level) + "Data.kpd";
}

std::string AppendedHistory(std::string_view old, float score) {
  std::string bytes(old.substr(0, old.size() - old.size() % kScoreRecordSize));
  if (bytes.size() >= kFullHistorySize) bytes.erase(0, kScoreRecordSize);
  // Records past the 30th slot stay where they were; the new one takes the last slot.
  std::string record;
  AppendLeFloat(record, score);
  const std::size_t slot =
      bytes.size() < kFullHistorySize ? bytes.size() : kFullHistorySize - kScoreRecordSize;
  bytes.insert(slot, record);
  return bytes;
}

std::string AppendedHistory(std::string_view old, const std::vector<float>& scores) {
  std::string bytes(old);
  for (float score : scores) bytes = AppendedHistory(bytes, score);
  return bytes;
}

std::vector<float> ParseHistory(std::string_view bytes) {
  std::vector<float> scores;
  for (std::size_t offset = 0; offset + kScoreRecordSize <= bytes.size();
       offset += kScoreRecordSize)
    scores.push_back(ReadLeFloat(bytes, offset));
  return scores;
}

// NaN fails both comparisons.
bool IsRecoverableHistory(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > kFullHistorySize || bytes.size() % kScoreRecordSize != 0)
    return false;
  for (float score : ParseHistory(bytes))
    if (!(score >= kLowestScore && score <= kHighestScore)) return false;
  return true;
}

}  // namespace kelp
