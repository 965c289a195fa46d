#pragma once

#include <windows.h>

#include <string>

namespace kelp::test {

// A fresh, empty folder under the temporary folder, named for this process;
// its UTF-16 path ends in a backslash.
inline std::wstring NewTempFolder(const std::wstring& stem) {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = temp + stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(++counter) + L"\\";
  CreateDirectoryW(path.c_str(), nullptr);
  return path;
}

// Removes a folder (its path ends in a backslash) with everything in it, read-only
// files included.
inline void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + L"\\");
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

// A NewTempFolder removed with its tree when the test ends, however it ends.
class TempTree {
 public:
  explicit TempTree(const std::wstring& stem) : path_(NewTempFolder(stem)) {}
  ~TempTree() { RemoveTree(path_); }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

}  // namespace kelp::test
