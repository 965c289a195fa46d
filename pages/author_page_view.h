#pragma once

#include "appearance/palette.h"
#include "platform/gdi.h"

#include <windows.h>

// The author page and the dedication panel hidden on it.
namespace kelp {

// The panel's picture area; the picture itself is 100 x 146.
constexpr RECT kDedicationPictureArea{50, 100, 50 + 100, 100 + 150};
// The plain card behind the picture and the lines: the page under the panel does
// not show between the lines, nor where the picture falls short of its area.
constexpr COLORREF kDedicationPlainFill = RGB(255, 255, 255);

void DrawAuthorPage(HDC dc, const Palette& palette);

// Drawn straight onto the client area when the fourth "3" is typed on the author
// page; it stays until the next repaint. Font and colours are the system defaults
// whatever the DC holds.
void DrawDedicationPanel(HDC dc, HBITMAP picture);

}  // namespace kelp
