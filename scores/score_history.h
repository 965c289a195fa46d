#pragma once

#include <string>
#include <string_view>
#include <vector>

// Score histories: up to 30 little-endian 32-bit floats per level, oldest first.
namespace kelp {

constexpr int kHistoryCapacity = 30;
constexpr std::size_t kScoreRecordSize = 4;

std::string ScoreFileName(int level);
// The bytes of a history after appending `score` to `old`. A partial record at
// the end of a damaged file is dropped first; a history of 30 records or more
// drops its oldest record, and whole records beyond the 30th slot are kept.
std::string AppendedHistory(std::string_view old, float score);
std::vector<float> ParseHistory(std::string_view bytes);
// Whether a temporary file found without its history may stand in for it. Only
// the replacement of a history that held scores has two whole records or more,
// and it is renamed only once complete; one record or none is a first score
// whose store never finished (perhaps cut short), so nothing stored is lost.
bool IsRecoverableHistory(std::string_view bytes);

}  // namespace kelp
