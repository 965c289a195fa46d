#include "platform/files.h"

#include "platform/gbk.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace kelp {

namespace {

HANDLE OpenForReading(const std::string& path) {
  return CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A drive path (C:\...) or a UNC path (\\server\...): never a name that the current
// folder would complete.
bool IsAbsolute(const std::string& path) {
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return true;
  return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

// Virus scanners, cloud-sync clients and the search indexer hold a file for half a
// second or more; these errors are what the other opener causes.
constexpr ULONGLONG kBusyWaitMs = 2000;
constexpr DWORD kFirstPauseMs = 20;
constexpr DWORD kLongestPauseMs = 250;
// Longer than the worst replacement of another copy: a read and a write, each
// waiting up to kBusyWaitMs.
constexpr DWORD kLockWaitMs = 5000;

bool IsBusy(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED;
}

// Access to a file is denied while another program holds it or it is being deleted,
// but also where waiting cannot help: a folder in its place, or nothing there at all
// (a folder that takes no new file).
bool MayBecomeFree(const std::wstring& path, DWORD error) {
  if (error != ERROR_ACCESS_DENIED) return IsBusy(error);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  const DWORD why = GetLastError();
  return why != ERROR_FILE_NOT_FOUND && why != ERROR_PATH_NOT_FOUND;
}

// Runs `step` until it succeeds, fails for a reason `mayPass` rejects, or kBusyWaitMs
// have passed since `start`; GetLastError() then tells the last failure.
template <typename Step, typename MayPass>
bool RetryWhileBusy(Step step, MayPass mayPass, ULONGLONG start = GetTickCount64()) {
  for (DWORD pause = kFirstPauseMs;; pause = std::min(2 * pause, kLongestPauseMs)) {
    if (step()) return true;
    const DWORD error = GetLastError();
    if (!mayPass(error) || GetTickCount64() - start >= kBusyWaitMs) {
      SetLastError(error);
      return false;
    }
    Sleep(pause);
  }
}

// Our own temporary file, marked read-only, hidden or system by whatever copied or
// touched it: no protection of the learner's, but Windows refuses to rewrite such a
// file, and a history renamed from it would refuse every later score.
constexpr DWORD kRefusingAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

void ClearRefusingAttributes(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & kRefusingAttributes)) return;
  const DWORD cleared = attributes & ~kRefusingAttributes;
  SetFileAttributesW(path.c_str(), cleared ? cleared : FILE_ATTRIBUTE_NORMAL);
}

bool ReadExactly(HANDLE file, char* buffer, DWORD count) {
  DWORD done = 0;
  while (done < count) {
    DWORD got = 0;
    if (!ReadFile(file, buffer + done, count - done, &got, nullptr) || got == 0) return false;
    done += got;
  }
  return true;
}

// A file larger than `limit` is kTooLarge, or with `cut` read up to the limit.
FileRead ReadWhole(const std::string& path, long long limit, bool waitWhileBusy, bool cut) {
  HANDLE opened = INVALID_HANDLE_VALUE;
  const auto open = [&] {
    opened = OpenForReading(path);
    return opened != INVALID_HANDLE_VALUE;
  };
  const std::wstring widePath = Widen(path);
  if (waitWhileBusy)
    RetryWhileBusy(open, [&](DWORD error) { return MayBecomeFree(widePath, error); });
  else
    open();
  KernelHandle file(opened);
  if (!file) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? FileStatus::kMissing : FileStatus::kUnreadable, {}};
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return {FileStatus::kUnreadable, {}};
  if (size.QuadPart > limit && !cut) return {FileStatus::kTooLarge, {}};
  std::string bytes(static_cast<size_t>(std::min(size.QuadPart, limit)), '\0');
  if (!bytes.empty() && !ReadExactly(file.get(), bytes.data(), static_cast<DWORD>(bytes.size())))
    return {FileStatus::kUnreadable, {}};
  return {FileStatus::kRead, std::move(bytes)};
}

}  // namespace

FileRead TryReadWholeFile(const std::string& path, long long limit) {
  return ReadWhole(path, limit, false, false);
}

FileRead TryReadFileStart(const std::string& path, long long limit) {
  return ReadWhole(path, limit, false, true);
}

FileRead ReadWholeFileToReplace(const std::string& path) {
  return ReadWhole(path, kWholeFileLimit, true, false);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  FileRead read = TryReadWholeFile(path);
  if (read.status != FileStatus::kRead) return std::nullopt;
  return std::move(read.bytes);
}

OpenedFile::OpenedFile(const std::string& path) : handle_(OpenForReading(path)) {
  LARGE_INTEGER size{};
  if (handle_ && GetFileSizeEx(handle_.get(), &size)) {
    open_ = true;
    size_ = static_cast<unsigned long long>(size.QuadPart);
  }
}

bool OpenedFile::ReadAt(unsigned long long offset, char* buffer, std::size_t count) const {
  if (!open_ || offset > size_ || count > size_ - offset) return false;
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(handle_.get(), position, nullptr, FILE_BEGIN) &&
         ReadExactly(handle_.get(), buffer, static_cast<DWORD>(count));
}

std::optional<std::string> ReadFileRange(const std::string& path, long offset, int count) {
  if (offset < 0 || count < 0) return std::nullopt;
  KernelHandle file(OpenForReading(path));
  if (!file) return std::nullopt;
  LARGE_INTEGER position{};
  position.QuadPart = offset;
  if (!SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN)) return std::nullopt;
  std::string bytes(static_cast<size_t>(count), '\0');
  if (count > 0 && !ReadExactly(file.get(), bytes.data(), static_cast<DWORD>(count)))
    return std::nullopt;
  return bytes;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  if (!IsAbsolute(path)) return false;
  const std::wstring target = Widen(path);
  // Wine's rename replaces a read-only file, so the protection is checked here
  // rather than left to the rename.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  // Another copy of the program writes the same temporary file.
  const FileLock lock(path);
  if (lock.timedOut()) return false;
  const std::wstring temporary = Widen(TemporaryPathOf(path));
  ClearRefusingAttributes(temporary);
  HANDLE created = INVALID_HANDLE_VALUE;
  const auto create = [&] {
    created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    return created != INVALID_HANDLE_VALUE;
  };
  // Both steps wait within one kBusyWaitMs.
  const ULONGLONG start = GetTickCount64();
  const auto mayBecomeFree = [&](DWORD error) { return MayBecomeFree(temporary, error); };
  RetryWhileBusy(create, mayBecomeFree, start);
  KernelHandle file(created);
  if (!file) return false;
  DWORD written = 0;
  const bool complete =
      WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && FlushFileBuffers(file.get());
  file.Close();
  // A target held open by another program cannot be replaced until it lets go.
  const auto rename = [&] {
    return MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  };
  if (complete && RetryWhileBusy(rename, IsBusy, start)) return true;
  DeleteFileW(temporary.c_str());
  return false;
}

std::string TemporaryPathOf(const std::string& path) {
  return path + ".tmp";
}

// The restored history takes no read-only mark from the temporary file.
bool RestoreFromTemporary(const std::string& path) {
  const std::wstring temporary = Widen(TemporaryPathOf(path));
  ClearRefusingAttributes(temporary);
  return MoveFileExW(temporary.c_str(), Widen(path).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

namespace {

// Object names take no backslash after the namespace and end at MAX_PATH, so the
// mutex is named by a hash of the case-folded path, as the file system compares it.
std::wstring LockName(const std::string& path) {
  std::wstring folded = Widen(path);
  CharUpperBuffW(folded.data(), static_cast<DWORD>(folded.size()));
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (wchar_t c : folded) {
    hash ^= static_cast<std::uint16_t>(c);
    hash *= 1099511628211ull;
  }
  std::wstring name = L"Local\\Kelp.file.";
  for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 15];
  return name;
}

}  // namespace

FileLock::FileLock(const std::string& path)
    : mutex_(CreateMutexW(nullptr, FALSE, LockName(path).c_str())) {
  if (!mutex_) return;
  const DWORD waited = WaitForSingleObject(mutex_.get(), kLockWaitMs);
  // Abandoned: a copy ended while it held the lock; its temporary file is
  // rewritten or judged like any other.
  owned_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  timedOut_ = !owned_;
}

FileLock::~FileLock() {
  if (owned_) ReleaseMutex(mutex_.get());
}

KernelHandle::KernelHandle(void* handle)
    : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}

void KernelHandle::Close() {
  if (handle_) CloseHandle(handle_);
  handle_ = nullptr;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeletePath(const std::string& path) {
  return DeleteFileW(Widen(path).c_str()) != 0;
}

}  // namespace kelp
