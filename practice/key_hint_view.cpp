#include "practice/key_hint_view.h"

#include "platform/gdi.h"
#include "practice/level_table.h"

namespace kelp {

namespace {
constexpr COLORREF kPlainArea = RGB(224, 224, 224);
constexpr COLORREF kKeyRings[] = {RGB(255, 0, 0), RGB(255, 0, 0), RGB(0, 255, 255),
                                  RGB(0, 255, 255), RGB(0, 255, 255)};
}  // namespace

void DrawHintPicture(HDC dc, int level, const Picture& picture) {
  DrawPictureArea(dc, picture, kLevels[level].hintPictureX, kHintPictureY, kHintPictureWidth,
                  kHintPictureHeight, kPlainArea);
}

void HighlightKey(HDC dc, const Rect& box) {
  int inset = 0;
  for (COLORREF color : kKeyRings) {
    Draw3dRect(dc, box.left + inset, box.top + inset, box.right - box.left - 2 * inset,
               box.bottom - box.top - 2 * inset, color, color);
    ++inset;
  }
}

}  // namespace kelp
