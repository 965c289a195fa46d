#include "pages/keyboard_layout_view.h"

#include "pages/page_text.h"
#include "platform/gdi.h"

#include <algorithm>

namespace kelp {

namespace {

constexpr char kTitle[] = "键盘分布";

// The picture's top-left part, plainly filled around where it falls short, so
// no earlier page shows through.
void DrawLayoutPicture(HDC dc, HBITMAP kb0) {
  const RECT& area = kLayoutPictureArea;
  const SIZE size = BitmapSize(kb0);
  const int right = area.left + std::clamp<int>(size.cx, 0, area.right - area.left);
  const int bottom = area.top + std::clamp<int>(size.cy, 0, area.bottom - area.top);
  if (right > area.left && bottom > area.top)
    BlitBitmap(dc, kb0, area.left, area.top, right - area.left, bottom - area.top);
  if (right < area.right) FillSolid(dc, right, area.top, area.right, bottom, kLayoutPlainFill);
  if (bottom < area.bottom)
    FillSolid(dc, area.left, bottom, area.right, area.bottom, kLayoutPlainFill);
}

}  // namespace

void DrawKeyboardLayoutPage(HDC dc, HBITMAP kb0, const Palette& palette) {
  DrawLayoutPicture(dc, kb0);
  PageTextStyle style(dc, palette.infoText);
  DrawTextAt(dc, kPageTitleX, kPageTitleY, kTitle);
}

}  // namespace kelp
