// A score history of any bytes: the appended score is always the last whole
// record a reader finds, and no whole record of the file is lost but the oldest.
#include "scores/score_history.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  const std::string_view old(reinterpret_cast<const char*>(data), size);
  const std::vector<float> before = kelp::ParseHistory(old);
  const float score = 42.5f;
  const std::string after = kelp::AppendedHistory(old, score);
  if (after.size() % kelp::kScoreRecordSize != 0) std::abort();
  const std::vector<float> scores = kelp::ParseHistory(after);
  const size_t capacity = kelp::kHistoryCapacity;
  const size_t slot = before.size() < capacity ? before.size() : capacity - 1;
  if (scores.size() != (before.size() < capacity ? before.size() + 1 : before.size())) std::abort();
  if (std::memcmp(&scores[slot], &score, sizeof score) != 0) std::abort();
  const size_t dropped = before.size() < capacity ? 0 : 1;
  for (size_t i = 0; i < slot; ++i) {
    if (std::memcmp(&scores[i], &before[i + dropped], sizeof score) != 0) std::abort();
  }
  return 0;
}
