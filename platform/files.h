#pragma once

#include <cstddef>
#include <optional>
#include <string>

// File helpers on GBK paths. No file stays open between calls.
namespace kelp {

enum class FileStatus {
  kRead,        // `bytes` holds the whole file
  kMissing,     // neither the file nor, perhaps, its folder exists
  kUnreadable,  // it exists but cannot be opened or read (locked, denied, a folder)
  kTooLarge,    // it exists but is larger than the limit
};

struct FileRead {
  FileStatus status = FileStatus::kMissing;
  std::string bytes;
};

// Larger files are never read whole: no data file of the program comes near it.
constexpr long long kWholeFileLimit = 1 << 26;

// The whole file, or why not. Only kMissing means there is nothing to keep: a
// caller must not replace a file that it could not read.
FileRead TryReadWholeFile(const std::string& path, long long limit = kWholeFileLimit);
// The file's first `limit` bytes, or all of a shorter one; kTooLarge never occurs.
FileRead TryReadFileStart(const std::string& path, long long limit);
// TryReadWholeFile for a file about to be replaced: a moment's lock (a virus
// scanner, a syncing or indexing service) is waited out as the replacement does.
FileRead ReadWholeFileToReplace(const std::string& path);
// The whole file, or nothing for every status but kRead.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Exactly `count` bytes from `offset`, or nothing when the file is missing or short.
std::optional<std::string> ReadFileRange(const std::string& path, long offset, int count);
// Owns one kernel handle, a file's or a mutex's, and closes it. Empty for either
// kind of failure a call returns (no handle, the invalid handle value).
class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(void* handle);
  ~KernelHandle() { Close(); }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  void* get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Close();

 private:
  void* handle_ = nullptr;
};

// A file held open for reading while it lives: every read comes from the file
// that was opened, whatever happens to its path meanwhile.
class OpenedFile {
 public:
  explicit OpenedFile(const std::string& path);
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;

  // 0 when it could not be opened.
  unsigned long long size() const { return size_; }
  // Exactly `count` bytes from `offset`, or false (also when it could not be opened).
  bool ReadAt(unsigned long long offset, char* buffer, std::size_t count) const;

 private:
  KernelHandle handle_;
  bool open_ = false;
  unsigned long long size_ = 0;
};

// Replaces the file whole: a temporary file beside it, then a rename over it,
// under the file's FileLock. A step that meets a sharing, lock or access error
// is tried again for about 2 s, unless waiting cannot help (a folder in the
// temporary file's place, a folder that takes no new file). False, with the old
// file and no temporary file left, when the path is not absolute (a drive or UNC
// path), names a folder or a read-only file (the learner's own protection), or
// when any step fails. A read-only, hidden or system temporary file is rewritten.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
// The temporary file WriteFileAtomically writes beside `path`.
std::string TemporaryPathOf(const std::string& path);
// Renames the temporary file of `path` to `path` when `path` does not exist; the
// result is neither read-only, hidden nor system.
bool RestoreFromTemporary(const std::string& path);

// Serialises the changes of one file across every copy of the program: a named
// mutex keyed by the file's path, held for the object's life (also recursively
// by one thread).
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  // Another copy kept the file for the whole wait. Where no mutex can be had
  // at all the caller goes on alone, as without the lock.
  bool timedOut() const { return timedOut_; }

 private:
  KernelHandle mutex_;
  bool owned_ = false;
  bool timedOut_ = false;
};
bool FileExists(const std::string& path);
bool DeletePath(const std::string& path);

}  // namespace kelp
