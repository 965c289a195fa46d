#pragma once

#include <windows.h>

#include <string>

namespace kelp::test {

// Removes a folder (its path ends in a backslash) with everything in it, read-only
// files included.
inline void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
    const std::wstring path = folder + found.cFileName;
    if (found.cFileName[0] == L'.') continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path + L"\\");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
  }
  FindClose(search);
  RemoveDirectoryW(folder.c_str());
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
