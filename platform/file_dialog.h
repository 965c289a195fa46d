#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kelp {

// The system's file-open dialog for one BMP picture. Nothing when the user
// cancels, the dialog cannot be shown, or the chosen path has no exact GBK form
// (`pathWithoutGbkForm` is then set, when given).
std::optional<std::string> AskForBitmapPath(HWND owner, bool* pathWithoutGbkForm = nullptr);

}  // namespace kelp
