// Painting the frame every page shares: the tool strip or the return hint, and the separator.
#include "app/page_frame_view.h"

#include "platform/gdi.h"
#include "platform/geometry.h"

namespace kelp {

namespace {

constexpr int kLabelTop = 35;
constexpr char kReturnHint[] = "按 [ESC] 键返回";

void DrawSeparator(HDC dc, int y) {
  Draw3dRect(dc, 20, y, 660, 2, RGB(208, 208, 208), RGB(144, 144, 144));
}

}  // namespace

void DrawToolStrip(HDC dc, int x, int y, const ToolStripLook& look) {
  for (int i = 0; i < kToolButtonCount; ++i) {
    const int d = look.offsets[i];
    DrawIconEx(dc, x + kToolButtonPitch * i + d, y + d, look.icons[i], kToolIconSize, kToolIconSize,
               0, nullptr, DI_NORMAL);
    DrawTextAt(dc, x + kToolButtons[i].labelOffset + d, y + kLabelTop + d, kToolButtons[i].label);
  }
}

void DrawPageFrame(HDC dc, const ToolStripSlide& slide, const Palette& palette,
                   const ToolStripLook& look) {
  // Everything of the frame lies in the band at the top.
  const RECT band{0, 0, kClientWidth, kSlideBandHeight};
  if (!RectVisible(dc, &band)) return;
  ScopedSelect selectFont(dc, SongFont(kPageFont));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, palette.infoText);
  if (slide.state() == StripState::Hidden) {
    DrawSeparator(dc, slide.separatorY());
    DrawTextAt(dc, kReturnHintRect.left, kReturnHintRect.top, kReturnHint);
    return;
  }
  // Going away, the separator is drawn over the strip; otherwise under it.
  const bool away = slide.state() == StripState::SlidingAway;
  if (!away) DrawSeparator(dc, slide.separatorY());
  DrawToolStrip(dc, kStripX, slide.stripY(), look);
  if (away) DrawSeparator(dc, slide.separatorY());
}

}  // namespace kelp
