#pragma once

#include "appearance/settings_file.h"

#include <windows.h>

#include <optional>
#include <string>

// The background command: a BMP picture of the user's choice behind the pages.
namespace kelp {

// Shows the file-open dialog, checks the chosen picture and reports a refusal in
// a message box. Returns the settings to store (the current ones with the new
// path), or nothing when the user cancelled or the picture was refused; then
// nothing may change.
std::optional<SettingsRecord> ChooseBackground(HWND owner, const SettingsRecord& current);

// The check after the file dialog, for a path already chosen.
std::optional<SettingsRecord> AcceptBackground(HWND owner, const SettingsRecord& current,
                                               const std::string& gbkPath);

// The message for a settings file that could not be written after a choice.
void ReportBackgroundNotSaved(HWND owner);

}  // namespace kelp
