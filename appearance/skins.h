#pragma once

#include "appearance/settings_file.h"

#include <optional>
#include <string>

// Choosing a skin: what the settings become.
namespace kelp {

// The skin's own background picture beside the program.
std::string SkinPicturePath(const std::string& exeDir, int skin);

// The skin a menu command chooses, or nothing for other commands.
std::optional<int> SkinOfCommand(int commandId);

struct SkinChange {
  SettingsRecord settings;  // to be stored in skd.kpd and loaded
  bool captionChanged;      // the skin itself changed: the title bar must be redrawn
};

// Whether two paths name the same file (the system's rules: case, short forms).
using SamePathTest = bool (*)(const std::string&, const std::string&);

// Nothing when `skin` is already active and shows its own picture (the paths
// compared by `samePath`), or when `skin` is not a skin. Otherwise the skin's
// picture and its default colours replace the current ones.
std::optional<SkinChange> ChooseSkin(const SettingsRecord& current, int skin,
                                     const std::string& exeDir, SamePathTest samePath);

}  // namespace kelp
