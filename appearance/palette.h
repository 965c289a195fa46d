#pragma once

#include "appearance/skin_table.h"
#include "platform/level_count.h"

#include <array>
#include <cstdint>

// The eight colours of the settings by name; views draw with these.
namespace kelp {

struct Palette {
  std::uint32_t standardText = 0;
  std::uint32_t errorText = 0;
  std::uint32_t infoText = 0;
  std::array<std::uint32_t, kLevelCount> level{};
};

constexpr Palette PaletteOf(const ColorBlock& colors) {
  return {colors[0], colors[1], colors[2], {colors[3], colors[4], colors[5], colors[6], colors[7]}};
}

constexpr ColorBlock ColorBlockOf(const Palette& palette) {
  return {palette.standardText, palette.errorText, palette.infoText, palette.level[0],
          palette.level[1],     palette.level[2],  palette.level[3], palette.level[4]};
}

}  // namespace kelp
