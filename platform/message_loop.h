#pragma once

#include <windows.h>

namespace kelp {

// Translates accelerators for `window`, then dispatches. Returns the WM_QUIT code.
int RunMessageLoop(HWND window, HACCEL accelerators);
// Handles every message already queued; false once WM_QUIT was seen.
bool DispatchPendingMessages(HWND window, HACCEL accelerators);

}  // namespace kelp
