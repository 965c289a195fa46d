#pragma once

#include <windows.h>

namespace kelp {

// The 3-D frame round a button the pointer has just entered: raised for a hover,
// sunken for a press. Drawn on a client DC right after the button was repainted
// displaced; the next repaint of the button leaves it out.
void DrawToolButtonFrame(HDC clientDc, int button, bool pressed);

}  // namespace kelp
