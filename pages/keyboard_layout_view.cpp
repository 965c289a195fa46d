#include "pages/keyboard_layout_view.h"

#include "pages/page_text.h"
#include "platform/gdi.h"

namespace kelp {

namespace {

constexpr char kTitle[] = "键盘分布";

}  // namespace

// The picture's top-left part, plainly filled around where it falls short, so no earlier
// page shows through.
void DrawKeyboardLayoutPage(HDC dc, const Picture& kb0, const Palette& palette) {
  const RECT& area = kLayoutPictureArea;
  DrawPictureArea(dc, kb0, area.left, area.top, area.right - area.left, area.bottom - area.top,
                  kLayoutPlainFill);
  PageTextStyle style(dc, palette.infoText);
  DrawTextAt(dc, kPageTitleX, kPageTitleY, kTitle);
}

}  // namespace kelp
