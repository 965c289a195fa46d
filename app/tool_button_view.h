#pragma once

#include <windows.h>

namespace kelp {

// The 3-D frame round a button the pointer has just entered: raised for a hover,
// sunken for a press. Painted with the button when it is entered.
void DrawToolButtonFrame(HDC dc, int button, bool pressed);

}  // namespace kelp
