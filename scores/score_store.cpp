#include "scores/score_store.h"

#include "platform/files.h"
#include "practice/level_table.h"
#include "scores/score_history.h"

namespace kelp {

bool AppendScore(const std::string& exeDir, int level, float score) {
  const std::string path = exeDir + ScoreFileName(level);
  const FileRead old = TryReadWholeFile(path);
  // A history that exists but cannot be read is never overwritten.
  if (old.status != FileStatus::kRead && old.status != FileStatus::kMissing) return false;
  return WriteFileAtomically(path, AppendedHistory(old.bytes, score));
}

std::vector<float> ReadScores(const std::string& exeDir, int level) {
  const std::optional<std::string> bytes = ReadWholeFile(exeDir + ScoreFileName(level));
  return bytes ? ParseHistory(*bytes) : std::vector<float>();
}

std::vector<int> DeleteAllScores(const std::string& exeDir) {
  std::vector<int> failed;
  for (int level = 0; level < kLevelCount; ++level) {
    if (!WriteFileAtomically(exeDir + ScoreFileName(level), "")) failed.push_back(level);
  }
  return failed;
}

}  // namespace kelp
