#pragma once

#include "app/page_state.h"
#include "app/tool_buttons.h"
#include "appearance/palette.h"

#include <windows.h>

// The common frame of every page: the tool strip or the return hint, and the separator.
namespace kelp {

// Drawn at this size whatever the system icon size (40 at 125 %): the labels sit below it.
constexpr int kToolIconSize = 32;

struct ToolStripLook {
  const HICON* icons;  // kToolButtonCount of them, left to right
  const int* offsets;  // 0 at rest; hover (-1) and press (+1) move a button
};

// Expects the page font selected, a transparent background and the info colour.
void DrawToolStrip(HDC dc, int x, int y, const ToolStripLook& look);
// Selects the page font itself.
void DrawPageFrame(HDC dc, const ToolStripSlide& slide, const Palette& palette,
                   const ToolStripLook& look);

}  // namespace kelp
