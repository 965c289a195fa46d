#pragma once

#include "appearance/palette.h"
#include "platform/gdi.h"

#include <windows.h>

// The keyboard layout page: the picture of "kb0.kpd" under the page title.
namespace kelp {

// The picture area; its right 15 pixels lie beyond the 700-pixel client area.
constexpr RECT kLayoutPictureArea{15, 90, 15 + 700, 90 + 300};
// Where no picture covers the area (missing, or smaller than the area).
constexpr COLORREF kLayoutPlainFill = RGB(224, 224, 224);

// `kb0` is the picture the frame loaded on entering the page; it may be empty.
void DrawKeyboardLayoutPage(HDC dc, const Picture& kb0, const Palette& palette);

}  // namespace kelp
