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

// Painted over the author page when the fourth "3" is typed there, until the next
// repaint. Font and colours are the system defaults whatever the DC holds.
void DrawDedicationPanel(HDC dc, HBITMAP picture);
// The area the panel covers.
RECT DedicationPanelArea(HDC dc);

}  // namespace kelp
