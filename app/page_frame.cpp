#include "app/main_frame.h"

#include <cstdlib>

namespace kelp {

namespace {

constexpr FontSpec kPageFont{12, 6, 400};
constexpr int kStripX = 50;
constexpr int kStripRestY = 5;
constexpr int kSlideBandHeight = 60;
constexpr int kSlideAwayStart = -51;
constexpr int kSlideAwayEnd = 19;
constexpr int kSlideBackStart = -21;
constexpr int kSlideBackEnd = 59;
constexpr UINT kSlidePeriodMs = 30;
constexpr char kReturnHint[] = "按 [ESC] 键返回";

}  // namespace

BOOL MainFrame::OnEraseBkgnd(HDC dc) {
  const bool wholePage = slideStep == 0 || toolBarState == kStripHidden;
  const int height = wholePage ? kClientHeight : kSlideBandHeight;
  if (backgroundBitmap)
    BlitBitmap(dc, backgroundBitmap.get(), 0, 0, kClientWidth, height);
  else
    FillSolid(dc, 0, 0, kClientWidth, height, SkinAt(skinIndex).plainFill);
  return TRUE;
}

void MainFrame::OnPaint() {
  PaintDC dc(hwnd());
  // A slide that ends inside this paint repaints the new page itself.
  const bool pageShown = toolBarState == kStripHidden;
  DrawPageFrame(dc.get());
  if (pageShown) PaintCurrentPage();
}

void MainFrame::PaintCurrentPage() {
  if (page >= 0 && page < 5) PaintLevelPage(page);
}

void MainFrame::DrawSeparator(HDC dc, int y) {
  Draw3dRect(dc, 20, y, 660, 2, RGB(208, 208, 208), RGB(144, 144, 144));
}

void MainFrame::DrawPageFrame(HDC dc) {
  Font font = CreateSongFont(kPageFont);
  ScopedSelect selectFont(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, infoTextColor);
  switch (toolBarState) {
    case kStripShown:
      DrawSeparator(dc, 55);
      DrawToolStrip(dc, kStripX, kStripRestY, buttonOffsets);
      break;
    case kStripSlidingAway:
      DrawSlidingAway(dc);
      break;
    case kStripHidden:
      DrawSeparator(dc, 20);
      DrawTextAt(dc, 30, 5, kReturnHint);
      break;
    case kStripSlidingBack:
      DrawSlidingBack(dc);
      break;
  }
}

void MainFrame::DrawSlidingAway(HDC dc) {
  if (slideStep == 0) {
    slideStep = kSlideAwayStart;
    SetTimer(hwnd(), kSlideTimer, kSlidePeriodMs, nullptr);
  }
  DrawToolStrip(dc, kStripX, -50 - slideStep, buttonOffsets);
  DrawSeparator(dc, std::abs(slideStep));
  if (slideStep == kSlideAwayEnd) {
    KillTimer(hwnd(), kSlideTimer);
    toolBarState = kStripHidden;
    RedrawAll();
    slideStep = 0;
  }
}

void MainFrame::DrawSlidingBack(HDC dc) {
  if (slideStep == 0) {
    slideStep = kSlideBackStart;
    SetTimer(hwnd(), kSlideTimer, kSlidePeriodMs, nullptr);
  }
  const int stripY = slideStep - 54;
  DrawSeparator(dc, std::abs(slideStep));
  if (slideStep == kSlideBackEnd) {
    KillTimer(hwnd(), kSlideTimer);
    slideStep = 0;
    toolBarState = kStripShown;
    RedrawAll();  // draws the strip at rest; drawing it again would only thicken it
    return;
  }
  DrawToolStrip(dc, kStripX, stripY, buttonOffsets);
}

void MainFrame::OpenPage(int target, bool startsExercise) {
  if (page == target) {
    // Choosing the page that is shown only repaints it; nothing restarts.
    if (toolBarState == kStripHidden) RedrawAll();
    return;
  }
  if (toolBarState != kStripHidden) {
    slideStep = 0;
    toolBarState = kStripSlidingAway;
    if (startsExercise) cursor = -1;
  }
  if (startsExercise) practicePhase = PhaseStart;
  page = target;
  RedrawAll();  // draws the page at once, or starts the slide that ends in it
}

void MainFrame::ReturnToHomePage() {
  if (toolBarState == kStripShown) return;
  slideStep = 0;
  practicePhase = PhaseIdle;
  toolBarState = kStripSlidingBack;
  page = kHomePage;
  RedrawAll();
}

}  // namespace kelp
