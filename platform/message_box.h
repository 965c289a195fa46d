#pragma once

#include <windows.h>

#include <string_view>

namespace kelp {

// The system's message box with GBK texts; returns the button pressed.
int ShowMessageBox(HWND owner, std::string_view gbkText, std::string_view gbkCaption, UINT type);

}  // namespace kelp
