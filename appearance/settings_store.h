#pragma once

#include "appearance/settings_file.h"

#include <string>

// skd.kpd beside the program.
namespace kelp {

inline constexpr char kSettingsFileName[] = "skd.kpd";

struct LoadedSettings {
  SettingsRecord settings;
  bool defaultsNotSaved = false;  // the file was missing and could not be created
};

// The stored settings; a missing file is created with the defaults. A file that
// exists but cannot be read is left alone and the defaults are used for this run.
// Only the part of the file that can hold settings is read.
LoadedSettings LoadSettings(const std::string& exeDir);
// False when the file could not be replaced; the old one is then intact.
bool SaveSettings(const std::string& exeDir, const SettingsRecord& settings);

}  // namespace kelp
