#include "app/main_frame.h"
#include "pages/author_page_view.h"
#include "platform/files.h"
#include "platform/seams.h"
#include "platform/sound.h"
#include "practice/key_boxes.h"
#include "resource_ids.h"
#include "scores/score_store.h"

namespace kelp {

namespace {

constexpr unsigned kBackspace = 8;
constexpr unsigned kEnter = 13;
constexpr unsigned kDigitThree = '3';

void AddCells(RepaintRegion& changed, const KeystrokeRepaint& cells) {
  for (int i = 0; i < cells.count; ++i) {
    const CellRect& r = cells.rects[i];
    changed.Add({r.left, r.top, r.right, r.bottom});
  }
}

}  // namespace

void MainFrame::OnChar(unsigned code) {
  const bool active = LevelOfPage(page_) >= 0 && exercise_.active();
  if (active && code >= 32 && code <= 126) {
    OnPrintableKey(static_cast<char>(code));
  } else if (active && code == kBackspace) {
    OnBackspace();
    return;
  } else if (!active && code == kEnter) {
    // On a result page this starts the next passage; elsewhere it has no visible effect.
    exercise_.RequestStart(LevelOfPage(page_));
    if (slide_.state() == StripState::Hidden) OnPageShown();
    RedrawAll();
  }
  if (code == kDigitThree) OnDigitThree();
}

void MainFrame::StartPassage() {
  const int level = exercise_.level();
  const LevelInfo& info = kLevels[level];
  hintPicture_ = info.hintPicture ? LoadBitmapFile(exeDir_ + info.hintPicture) : Bitmap();
  const std::string path = exeDir_ + info.textFile;
  std::optional<std::string> passage;
  if (FileExists(path))
    passage = ReadFileRange(path, NextRandom() % info.offsetModulus, info.bytesRead);
  // A text too short for the drawn offset counts as damaged, like a missing one.
  if (!passage || !exercise_.Begin(*passage, ClockSeconds())) ReportMissingText(level);
}

// Keys count only while a passage is shown, and never past its last cell.
void MainFrame::OnPrintableKey(char c) {
  const int framedBefore = exercise_.cursor() + 1;
  const KeyOutcome outcome = exercise_.Type(c, ClockSeconds());
  if (!outcome.stored) return;
  if (outcome.finished) {
    FinishExercise();
    RedrawAll();
  } else {
    RepaintRegion changed;
    AddCells(changed, PrintableKeyRepaint(exercise_.cursor()));
    AddKeyFrame(changed, framedBefore);
    AddKeyFrame(changed, exercise_.cursor() + 1);
    changed.RepaintNow(hwnd());
  }
  PlaySoundFile(outcome.right ? kRightKeySound : kWrongKeySound);
}

void MainFrame::OnBackspace() {
  const int framedBefore = exercise_.cursor() + 1;
  if (!exercise_.Backspace()) return;
  const int n = exercise_.cursor();
  RepaintRegion changed;
  AddCells(changed, BackspaceRepaint(n));
  AddKeyFrame(changed, framedBefore);
  AddKeyFrame(changed, n + 1);
  changed.RepaintNow(hwnd());
  PlaySoundFile(kRightKeySound);
}

// The score is stored on the key that ends the exercise, shown or not.
void MainFrame::FinishExercise() {
  const int level = exercise_.level();
  result_.Evaluate(exercise_.passage(), exercise_.typed(), level, exercise_.elapsedSeconds());
  owedScores_.Add(level, result_.score);
  result_.scoreSaved = StoreOwedScores(dataDir_, owedScores_, level);
  exercise_.ShowResult();
}

// The frame on the key of passage cell `cell`, on the levels with a keyboard picture.
void MainFrame::AddKeyFrame(RepaintRegion& changed, int cell) const {
  if (!kLevels[exercise_.level()].hintPicture || cell < 0 || cell >= exercise_.length()) return;
  if (auto box = FindKeyBox(static_cast<unsigned char>(exercise_.passageAt(cell))))
    changed.Add({box->left, box->top, box->right, box->bottom});
}

void MainFrame::PlaySoundFile(const char* name) {
  PlaySoundAsync(exeDir_ + name);
}

// The panel is painted over the author page at once; the next repaint removes it.
void MainFrame::OnDigitThree() {
  if (!CountDigitThree(dedication_, page_ == Page::Author)) return;
  if (!dedicationPicture_) dedicationPicture_ = LoadBitmapResource(IDB_DEDICATION);
  RepaintRegion panel;
  panel.Add(DedicationPanelArea(WindowDC(hwnd(), WindowDC::kClient).get()));
  dedicationShown_ = true;
  panel.RepaintNow(hwnd());
  dedicationShown_ = false;
}

}  // namespace kelp
