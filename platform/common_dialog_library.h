#pragma once

#include "platform/system_library.h"

#include <windows.h>

// COMDLG32 is loaded on first use, so that starting the program does not pay for it.
namespace kelp {

// The named function of COMDLG32, or nullptr when it cannot be had.
template <typename Function>
Function* CommonDialogFunction(const char* name) {
  static const HMODULE library = LoadSystemLibrary(L"comdlg32.dll");
  return LibraryFunction<Function>(library, name);
}

}  // namespace kelp
