#pragma once

#include "appearance/palette.h"

#include <windows.h>

#include <array>
#include <vector>

namespace kelp {

// The score sheet page: axes, scales, captions, legend and one line per level,
// level 0 first so that later levels lie on top. `histories` are the five levels'
// scores, oldest first, as read from their files.
void DrawScoreSheet(HDC dc, const std::array<std::vector<float>, kLevelCount>& histories,
                    const Palette& palette);

}  // namespace kelp
