#pragma once

#include <windows.h>

namespace kelp {

// Turns off the compositor's own frame (Windows Vista and later) so that the
// window's non-client area is painted the classic way and the program's own
// caption painting shows. Nothing happens where dwmapi.dll is missing or does
// not know the call.
void DisableCompositorFrame(HWND window);

}  // namespace kelp
