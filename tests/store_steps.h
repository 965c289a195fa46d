#pragma once

#include "appearance/settings_file.h"

#include <cstdint>
#include <string>

// What step n of the storing loop writes to skd.kpd; the host checker expects
// exactly these records.
namespace kelp {

inline SettingsRecord SettingsOfStep(int step) {
  SettingsRecord settings;
  settings.skinIndex = step % 4;
  settings.colors.fill(static_cast<std::uint32_t>(step) & 0xFFFFFF);
  settings.backgroundPath = "C:\\loop\\" + std::to_string(step);
  return settings;
}

}  // namespace kelp
