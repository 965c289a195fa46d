#include "platform/system_library.h"

#include <string>

namespace kelp {

HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  return LoadLibraryW(path.c_str());
}

void SearchDllsInSystemFolderOnly() {
  using SetSearchFolders = BOOL WINAPI(DWORD);
  const auto setSearchFolders = LibraryFunction<SetSearchFolders>(GetModuleHandleW(L"kernel32.dll"),
                                                                  "SetDefaultDllDirectories");
  if (setSearchFolders) setSearchFolders(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace kelp
