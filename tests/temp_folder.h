#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace kelp::test {

// Removes a folder with everything in it, read-only files included.
inline void RemoveTree(const std::wstring& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
    SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  std::filesystem::remove_all(folder, error);
}

// A fresh folder under the temporary folder, named for this process and removed
// with its tree when the test ends, however it ends. Its path ends in a backslash.
class TempTree {
 public:
  explicit TempTree(const std::wstring& stem) {
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = temp + stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempTree() { RemoveTree(path_); }
  TempTree(const TempTree&) = delete;
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

}  // namespace kelp::test
