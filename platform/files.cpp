#include "platform/files.h"

#include "platform/gbk.h"

#include <windows.h>

#include <utility>

namespace kelp {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void Close() {
    if (valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

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

bool ReadExactly(HANDLE file, char* buffer, DWORD count) {
  DWORD done = 0;
  while (done < count) {
    DWORD got = 0;
    if (!ReadFile(file, buffer + done, count - done, &got, nullptr) || got == 0) return false;
    done += got;
  }
  return true;
}

}  // namespace

FileRead TryReadWholeFile(const std::string& path, long long limit) {
  FileHandle file(OpenForReading(path));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? FileStatus::kMissing : FileStatus::kUnreadable, {}};
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return {FileStatus::kUnreadable, {}};
  if (size.QuadPart > limit) return {FileStatus::kTooLarge, {}};
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  if (!bytes.empty() && !ReadExactly(file.get(), bytes.data(), static_cast<DWORD>(bytes.size())))
    return {FileStatus::kUnreadable, {}};
  return {FileStatus::kRead, std::move(bytes)};
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  FileRead read = TryReadWholeFile(path);
  if (read.status != FileStatus::kRead) return std::nullopt;
  return std::move(read.bytes);
}

OpenedFile::OpenedFile(const std::string& path) : handle_(OpenForReading(path)) {
  LARGE_INTEGER size{};
  if (handle_ != INVALID_HANDLE_VALUE && GetFileSizeEx(handle_, &size)) {
    open_ = true;
    size_ = static_cast<unsigned long long>(size.QuadPart);
  }
}

OpenedFile::~OpenedFile() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

bool OpenedFile::ReadAt(unsigned long long offset, char* buffer, std::size_t count) const {
  if (!open_ || offset > size_ || count > size_ - offset) return false;
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN) &&
         ReadExactly(handle_, buffer, static_cast<DWORD>(count));
}

std::optional<std::string> ReadFileRange(const std::string& path, long offset, int count) {
  if (offset < 0 || count < 0) return std::nullopt;
  FileHandle file(OpenForReading(path));
  if (!file.valid()) return std::nullopt;
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
  const std::wstring temporary = target + L".tmp";
  FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  DWORD written = 0;
  const bool complete =
      WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && FlushFileBuffers(file.get());
  file.Close();
  if (complete && MoveFileExW(temporary.c_str(), target.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(temporary.c_str());
  return false;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeletePath(const std::string& path) {
  return DeleteFileW(Widen(path).c_str()) != 0;
}

}  // namespace kelp
