#pragma once

#include "scores/owed_scores.h"

#include <string>
#include <vector>

// The score history files in the learner's folder.
namespace kelp {

// False when the history could not be read or replaced; nothing is then changed.
bool AppendScores(const std::string& folder, int level, const std::vector<float>& scores);
// Stores what `owed` holds for `level` in one replacement; it is then settled.
// False when it stays owed.
bool StoreOwedScores(const std::string& folder, OwedScores& owed, int level);
std::vector<float> ReadScores(const std::string& folder, int level);
// The levels whose history could not be emptied.
std::vector<int> DeleteAllScores(const std::string& folder);

}  // namespace kelp
