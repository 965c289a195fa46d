#pragma once

#include "platform/gdi.h"
#include "practice/key_boxes.h"

#include <windows.h>

// The keyboard picture of the beginner and keypad levels and the frame on the next key.
namespace kelp {

// A missing picture, or the part of the area a small picture leaves, is filled plainly.
void DrawHintPicture(HDC dc, int level, const Picture& picture);
void HighlightKey(HDC dc, const Rect& box);

}  // namespace kelp
