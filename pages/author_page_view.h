#pragma once

#include "appearance/palette.h"
#include "platform/gdi.h"

#include <windows.h>

// The author page and the dedication panel hidden on it.
namespace kelp {

// The panel's picture area; the picture itself is 100 x 146, and the page shows
// under the rows it falls short of.
constexpr RECT kDedicationPictureArea{50, 100, 50 + 100, 100 + 150};

void DrawAuthorPage(HDC dc, const Palette& palette);

// Painted over the author page when the fourth "3" is typed there, until the next
// repaint. Font, colours and background mode are the system defaults whatever the
// DC holds, so the page shows between and around the lines.
void DrawDedicationPanel(HDC dc, HBITMAP picture);
// The area the panel covers.
RECT DedicationPanelArea(HDC dc);

}  // namespace kelp
