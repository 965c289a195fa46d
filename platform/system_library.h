#pragma once

#include <windows.h>

namespace kelp {

// Loads a DLL of Windows from the system folder by its full path: a file of the
// same name beside the program (or in the current folder) is never loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// From now on a DLL named without its path, by the program or by the system DLLs
// it uses, is looked for in the system folder only, never beside the program or
// in the current folder. A Windows 7 without update KB2533623 lacks the call and
// keeps its usual search; the program's own loads go by full path anyway.
void SearchDllsInSystemFolderOnly();

// The named function of a loaded library, or nullptr.
template <typename Function>
Function* LibraryFunction(HMODULE library, const char* name) {
  if (!library) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace kelp
