#pragma once

#include "appearance/settings_file.h"

#include <cstdint>
#include <string>

// What step n of the storing loop writes to skd.kpd and to a history; the host
// checker expects exactly these records.
namespace kelp {

// A score the evaluation could give (a recovered history holds no other), exact
// in a float up to 100 * 4096 steps: far beyond any run.
inline float ScoreOfStep(int step) {
  return static_cast<float>(step) / 4096;
}

inline int StepOfScore(float score) {
  return static_cast<int>(score * 4096);
}

inline SettingsRecord SettingsOfStep(int step) {
  SettingsRecord settings;
  settings.skinIndex = step % 4;
  settings.colors.fill(static_cast<std::uint32_t>(step) & 0xFFFFFF);
  settings.backgroundPath = "C:\\loop\\" + std::to_string(step);
  return settings;
}

}  // namespace kelp
