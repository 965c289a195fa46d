#pragma once

#include <windows.h>

// COMDLG32 is loaded on first use, so that starting the program does not pay for it.
namespace kelp {

inline HMODULE CommonDialogLibrary() {
  static const HMODULE library = LoadLibraryW(L"comdlg32.dll");
  return library;
}

// The named function of COMDLG32, or nullptr when it cannot be had.
template <typename Function>
Function* CommonDialogFunction(const char* name) {
  const HMODULE library = CommonDialogLibrary();
  if (!library) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace kelp
