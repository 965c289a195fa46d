#pragma once

#include <string>
#include <vector>

// Where the learner's own files (settings and score histories) live for a run.
namespace kelp {

struct LearnerFolder {
  std::string path;  // absolute, ending in a backslash
  // The program's folder took no file and `path` was made just now, the learner's
  // files from beside the program copied into it: the learner is told once.
  bool madeNow = false;
};

// Decided once at start-up: `programFolder` when it takes a new file; otherwise
// Kelp\ in the local application data folder (made the first time, and then given
// copies of the `learnerFiles` beside the program); `programFolder` again when
// that folder cannot be had either.
LearnerFolder FindLearnerFolder(const std::string& programFolder,
                                const std::vector<std::string>& learnerFiles);
// The user's local application data folder in GBK, ending in a backslash; empty when
// it cannot be had. The test seam `localAppData` is returned as it is.
std::string LocalAppDataDirectory();

}  // namespace kelp
