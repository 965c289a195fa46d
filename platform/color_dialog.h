#pragma once

#include <windows.h>

#include <optional>

namespace kelp {

// The system's colour dialog started at `initial`. Nothing when the user cancels.
std::optional<COLORREF> AskForColor(HWND owner, COLORREF initial);

}  // namespace kelp
