#include "app/caption_view.h"
#include "app/main_frame.h"
#include "appearance/skin_table.h"
#include "pages/tip_view.h"

namespace kelp {

namespace {

Point ClientPoint(LPARAM point) {
  return {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
}

}  // namespace

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

Bitmap LoadCaptionBitmap(int skin) {
  return LoadBitmapResource(SkinAt(skin).captionBitmap);
}

void MainFrame::PaintCaption() {
  const TitleBar bar{ReadFrameLayout(hwnd(), metrics_.cyMenu),
                     metrics_.cyCaption,
                     metrics_.cyMenu,
                     metrics_.colorBtnFace,
                     metrics_.captionFont.get(),
                     captionBitmap_.get(),
                     TitleTextColor(settings_.skinIndex),
                     powerGlyph_.get()};
  WindowDC dc(hwnd(), WindowDC::kWholeWindow);
  PaintTitleBar(dc.get(), bar);
}

void MainFrame::OnTipTick() {
  tips_.Advance();
  DrawCurrentTip();
}

void MainFrame::DrawCurrentTip() {
  WindowDC dc(hwnd(), WindowDC::kWholeWindow);
  DrawTip(dc.get(), ReadFrameLayout(hwnd(), metrics_.cyMenu), metrics_.cyMenu, tips_.Current(),
          metrics_.colorBtnFace, metrics_.colorWindowText);
}

// A press on the power glyph ends the program before the menu bar sees it.
bool MainFrame::OnNcLButtonDown(LPARAM screenPoint) {
  POINT point{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  ScreenToClient(hwnd(), &point);
  if (!PowerGlyphHitRect(ReadFrameLayout(hwnd(), metrics_.cyMenu)).Contains({point.x, point.y}))
    return false;
  OnExitNow();
  return true;
}

bool MainFrame::StripShown() const {
  return slide_.state() == StripState::Shown;
}

void MainFrame::OnMouseMove(WPARAM flags, LPARAM point) {
  ApplyToolChange(
      toolButtons_.OnMouseMove(static_cast<unsigned>(flags), ClientPoint(point), StripShown()));
}

void MainFrame::OnLButtonDown(WPARAM flags, LPARAM point) {
  ApplyToolChange(
      toolButtons_.OnLButtonDown(static_cast<unsigned>(flags), ClientPoint(point), StripShown()));
}

void MainFrame::OnLButtonUp(LPARAM point) {
  const ToolRelease release = toolButtons_.OnLButtonUp(ClientPoint(point), StripShown());
  if (release.returnHome) {
    ReturnToHomePage();
  } else if (release.action != ToolAction::kNone) {
    // The pressed button's frame goes before a dialog or another page can show.
    RedrawAll();
    RunToolAction(release.action);
  }
}

// Moved buttons are repainted at once, the entered one with its frame; a later
// repaint of that button leaves the frame out.
void MainFrame::ApplyToolChange(const ToolMouseChange& change) {
  RepaintRegion moved;
  for (int i = 0; i < kToolButtonCount; ++i) {
    if (!change.Repaints(i)) continue;
    const Rect area = ToolButtonRect(i);
    moved.Add({area.left, area.top, area.right, area.bottom});
  }
  framedButton_ = {change.entered, change.pressed};
  moved.RepaintNow(hwnd());
  framedButton_ = {};
  if (change.entered >= 0) PlaySoundFile(kSelectSound);
}

void MainFrame::RunToolAction(ToolAction action) {
  switch (action) {
    case ToolAction::kNone:
      return;
    case ToolAction::kScoreSheet:
      OpenPage(Page::ScoreSheet);
      return;
    case ToolAction::kSettings:
      OnSettings();
      return;
    case ToolAction::kMinimize:
      OnMinimize();
      return;
    case ToolAction::kExit:
      OnExitNow();
      return;
    default:
      OnLevel(static_cast<int>(action));
  }
}

// Nothing of the frame is used after this; files are replaced atomically, so a
// score being stored is whole.
void MainFrame::OnExitNow() {
  DestroyWindow(hwnd());
}

}  // namespace kelp
