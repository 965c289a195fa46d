// The frame's painting: the page through its view, the caption, the tip and the power glyph.
#include "app/caption_view.h"
#include "app/main_frame.h"
#include "app/page_frame_view.h"
#include "app/tool_button_view.h"
#include "appearance/skin_table.h"
#include "pages/author_page_view.h"
#include "pages/keyboard_layout_view.h"
#include "pages/tip_view.h"
#include "practice/exercise_view.h"
#include "scores/score_sheet_view.h"

namespace kelp {

namespace {

struct PagePaint {
  HDC dc;
  const Session& session;
  const Palette& colors;
  const Picture& picture;  // the page's picture, if it has one
};

struct PageView {
  Page page;
  void (*draw)(const PagePaint& p);
};

void DrawLevel(const PagePaint& p) {
  DrawLevelPage(p.dc, p.session.exercise(), p.session.result(), p.colors, p.picture);
}

constexpr PageView kPageViews[] = {
    {LevelPage(0), DrawLevel},
    {LevelPage(1), DrawLevel},
    {LevelPage(2), DrawLevel},
    {LevelPage(3), DrawLevel},
    {LevelPage(4), DrawLevel},
    {Page::ScoreSheet,
     [](const PagePaint& p) { DrawScoreSheet(p.dc, p.session.histories(), p.colors); }},
    {Page::Author, [](const PagePaint& p) { DrawAuthorPage(p.dc, p.colors); }},
    {Page::KeyboardLayout,
     [](const PagePaint& p) { DrawKeyboardLayoutPage(p.dc, p.picture, p.colors); }},
};

}  // namespace

Bitmap LoadCaptionBitmap(int skin) {
  return LoadBitmapResource(SkinAt(skin).captionBitmap);
}

// The paint draws the background itself, under the page, on the paint's own DC: a
// separate erase costs a keystroke a third of a millisecond under Wine.
void MainFrame::OnPaint() {
  PaintDC dc(hwnd());
  const Session& s = *session_;
  const Palette colors = s.palette();
  DrawPictureArea(dc.get(), background_, 0, 0, kClientWidth, kClientHeight,
                  SkinAt(s.settings().skinIndex).plainFill);
  DrawPageFrame(dc.get(), s.slide(), colors, {toolIcons_, s.toolOffsets().data()});
  if (s.slide().state() != StripState::Hidden) return;
  for (const PageView& view : kPageViews)
    if (view.page == s.page()) view.draw({dc.get(), s, colors, pagePicture_});
}

// The caption is painted over the default one and the tip shown is drawn again:
// a move or an activation never turns the tips. Nothing of a hidden window shows,
// so the messages of its creation paint nothing.
LRESULT MainFrame::OnCaptionMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefaultProc(message, wParam, lParam);
  if (!IsWindowVisible(hwnd())) return result;
  PaintCaption();
  DrawCurrentTip();
  return result;
}

void MainFrame::PaintCaption() {
  const int skin = session_->settings().skinIndex;
  const TitleBar bar{ReadFrameLayout(hwnd(), metrics_.cyMenu),
                     metrics_.cyCaption,
                     metrics_.cyMenu,
                     metrics_.colorBtnFace,
                     metrics_.captionFont.get(),
                     captionBitmap_.get(),
                     TitleTextColor(skin),
                     powerGlyph_.get()};
  WindowDC dc(hwnd(), WindowDC::kWholeWindow);
  PaintTitleBar(dc.get(), bar);
}

void MainFrame::DrawCurrentTip() {
  WindowDC dc(hwnd(), WindowDC::kWholeWindow);
  DrawTip(dc.get(), ReadFrameLayout(hwnd(), metrics_.cyMenu), metrics_.cyMenu, session_->tipText(),
          metrics_.colorBtnFace, metrics_.colorWindowText);
}

// A press on the power glyph ends the program before the menu bar sees it.
bool MainFrame::OnPowerGlyphPress(LPARAM screenPoint) {
  POINT point{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  ScreenToClient(hwnd(), &point);
  if (!PowerGlyphHitRect(ReadFrameLayout(hwnd(), metrics_.cyMenu)).Contains({point.x, point.y}))
    return false;
  Apply(*session_->OnCommand(kEndNowCommand));
  return true;
}

}  // namespace kelp
