#pragma once

#include <windows.h>

namespace kelp {

// Loads a DLL of Windows from the system folder by its full path: a file of the
// same name beside the program (or in the current folder) is never loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The named function of a loaded library, or nullptr.
template <typename Function>
Function* LibraryFunction(HMODULE library, const char* name) {
  if (!library) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace kelp
