#pragma once

#include "platform/frame_layout.h"
#include "platform/gdi.h"

#include <windows.h>

// The program's own caption: the skin's picture with the title, the frame lines
// and the power glyph at the right end of the menu bar. Painted on a whole-window
// DC (GetWindowDC) after the default non-client painting.
namespace kelp {

struct TitleBar {
  FrameLayout frame;
  int cyCaption = 0;
  int cyMenu = 0;
  COLORREF colorBtnFace = 0;
  HFONT captionFont = nullptr;
  HBITMAP captionPicture = nullptr;  // none: the title goes on the default caption
  COLORREF titleColor = 0;
  HBITMAP powerGlyph = nullptr;
};

COLORREF TitleTextColor(int skin);

void PaintTitleBar(HDC windowDc, const TitleBar& bar);

}  // namespace kelp
