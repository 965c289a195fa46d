#pragma once

#include <string>
#include <string_view>
#include <vector>

// Score histories: up to 30 little-endian 32-bit floats per level, oldest first.
namespace kelp {

constexpr int kHistoryCapacity = 30;

std::string ScoreFileName(int level);
// The bytes of a history after appending `score` to `old`. Files past 116 bytes
// drop their oldest record; bytes beyond the 30th slot are kept as they are.
std::string AppendedHistory(std::string_view old, float score);
std::vector<float> ParseHistory(std::string_view bytes);

// False when the history could not be read or replaced; nothing is then changed.
bool AppendScore(const std::string& exeDir, int level, float score);
std::vector<float> ReadScores(const std::string& exeDir, int level);
void DeleteAllScores(const std::string& exeDir);

}  // namespace kelp
