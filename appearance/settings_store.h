#pragma once

#include "appearance/settings_file.h"

#include <string>

// skd.kpd in the learner's folder.
namespace kelp {

inline constexpr char kSettingsFileName[] = "skd.kpd";

struct LoadedSettings {
  SettingsRecord settings;
  bool defaultsNotSaved = false;  // the file was missing and could not be created
};

// The settings stored in `folder`; a missing file is created with the defaults,
// whose picture lies in `programFolder`. A file that exists but cannot be read is
// left alone and the defaults are used for this run. Only the part of the file
// that can hold settings is read.
LoadedSettings LoadSettings(const std::string& folder, const std::string& programFolder);
// False when the file could not be replaced; the old one is then intact.
bool SaveSettings(const std::string& folder, const SettingsRecord& settings);

}  // namespace kelp
