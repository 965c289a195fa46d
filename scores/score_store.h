#pragma once

#include <string>
#include <vector>

// The score history files beside the program.
namespace kelp {

// False when the history could not be read or replaced; nothing is then changed.
bool AppendScore(const std::string& exeDir, int level, float score);
std::vector<float> ReadScores(const std::string& exeDir, int level);
// The levels whose history could not be emptied.
std::vector<int> DeleteAllScores(const std::string& exeDir);

}  // namespace kelp
