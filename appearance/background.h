#pragma once

#include "appearance/settings_file.h"
#include "platform/gdi.h"

#include <windows.h>

#include <optional>
#include <string>

// The background command: a BMP picture of the user's choice behind the pages.
namespace kelp {

// A chosen picture: the settings to store (the current ones with the new path)
// and the picture read from that file, ready to draw.
struct ChosenBackground {
  SettingsRecord settings;
  Bitmap picture;
};

// Shows the file-open dialog, checks and reads the chosen picture and reports a
// refusal in a message box. Nothing when the user cancelled or the picture was
// refused; then nothing may change.
std::optional<ChosenBackground> ChooseBackground(HWND owner, const SettingsRecord& current);

// The check and the read after the file dialog, for a path already chosen: one
// opening of the file, so the picture is the one that was checked.
std::optional<ChosenBackground> AcceptBackground(HWND owner, const SettingsRecord& current,
                                                 const std::string& gbkPath);

// The shown top-left corner (at most 700 x 450) of any drawable BMP file, in the
// screen's format; nothing when the file cannot be read or drawn.
Bitmap LoadBackgroundPicture(const std::string& gbkPath);

// The message for a settings file that could not be written after a choice.
void ReportBackgroundNotSaved(HWND owner);

}  // namespace kelp
