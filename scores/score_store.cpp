#include "scores/score_store.h"

#include "platform/files.h"
#include "practice/level_table.h"
#include "scores/score_history.h"

namespace kelp {

namespace {

// Only a history gone with its temporary file left may need recovering; the
// usual case costs two attribute look-ups and no lock.
bool MayNeedRecovery(const std::string& path) {
  return !FileExists(path) && FileExists(TemporaryPathOf(path));
}

// A history whose file is gone while its complete temporary file is there (a
// drive pulled out between the old file's removal and the rename) is taken
// back from the temporary file. The caller holds the history's FileLock.
void RecoverHistory(const std::string& path) {
  if (!MayNeedRecovery(path) || TryReadWholeFile(path).status != FileStatus::kMissing) return;
  const FileRead temporary = TryReadWholeFile(TemporaryPathOf(path), kFullHistorySize);
  if (temporary.status == FileStatus::kRead && IsRecoverableHistory(temporary.bytes))
    RestoreFromTemporary(path);
}

}  // namespace

// Read, append and replace under one lock: another copy of the program storing
// into the same history in between would otherwise lose a score.
bool AppendScores(const std::string& folder, int level, const std::vector<float>& scores) {
  const std::string path = folder + ScoreFileName(level);
  const FileLock lock(path);
  if (lock.timedOut()) return false;
  RecoverHistory(path);
  const FileRead old = ReadWholeFileToReplace(path);
  // A history that exists but cannot be read is never overwritten.
  if (old.status != FileStatus::kRead && old.status != FileStatus::kMissing) return false;
  return WriteFileAtomically(path, AppendedHistory(old.bytes, scores));
}

bool StoreOwedScores(const std::string& folder, OwedScores& owed, int level) {
  if (owed.Of(level).empty()) return true;
  if (!AppendScores(folder, level, owed.Of(level))) return false;
  owed.Settle(level);
  return true;
}

std::vector<float> ReadScores(const std::string& folder, int level) {
  const std::string path = folder + ScoreFileName(level);
  if (MayNeedRecovery(path)) {
    const FileLock lock(path);
    if (!lock.timedOut()) RecoverHistory(path);
  }
  const std::optional<std::string> bytes = ReadWholeFile(path);
  return bytes ? ParseHistory(*bytes) : std::vector<float>();
}

std::vector<int> DeleteAllScores(const std::string& folder) {
  std::vector<int> failed;
  for (int level = 0; level < kLevelCount; ++level) {
    if (!WriteFileAtomically(folder + ScoreFileName(level), "")) failed.push_back(level);
  }
  return failed;
}

}  // namespace kelp
