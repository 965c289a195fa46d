#pragma once

#include <string>
#include <string_view>
#include <vector>

// Score histories: up to 30 little-endian 32-bit floats per level, oldest first.
namespace kelp {

constexpr int kHistoryCapacity = 30;
constexpr std::size_t kScoreRecordSize = 4;
constexpr std::size_t kFullHistorySize = kHistoryCapacity * kScoreRecordSize;
// Every score the evaluation gives: the speed factor capped at 100 times the accuracy
// of at most 100 %, in hundredths.
constexpr float kLowestScore = 0;
constexpr float kHighestScore = 100;

std::string ScoreFileName(int level);
// The bytes of a history after appending `score` to `old`. A partial record at
// the end of a damaged file is dropped first; a history of 30 records or more
// drops its oldest record, and whole records beyond the 30th slot are kept.
std::string AppendedHistory(std::string_view old, float score);
// The same for `scores`, one after the other.
std::string AppendedHistory(std::string_view old, const std::vector<float>& scores);
std::vector<float> ParseHistory(std::string_view bytes);
// Whether a temporary file found without its history may stand in for it: only
// what the program writes, 1 to 30 whole records of scores the evaluation can
// give. Anything else is no history of the program's (noise, another program's
// file, a write cut short) and is left alone.
bool IsRecoverableHistory(std::string_view bytes);

}  // namespace kelp
