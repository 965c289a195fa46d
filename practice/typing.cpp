#include "app/main_frame.h"
#include "platform/sound.h"
#include "practice/level_table.h"
#include "scores/score_history.h"

namespace kelp {

namespace {

constexpr unsigned kBackspace = 8;
constexpr unsigned kEnter = 13;
constexpr unsigned kDigitThree = '3';

}  // namespace

void MainFrame::RepaintRect(int left, int top, int right, int bottom) {
  const RECT rect{left, top, right, bottom};
  RedrawWindow(hwnd(), &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void MainFrame::PlaySoundFile(const char* name) {
  PlaySoundAsync(exeDir + name);
}

// Repaint rectangles use the four-row geometry for every level; they also cover
// the one-line levels, whose cells start further right.
void MainFrame::OnChar(unsigned code) {
  const bool onLevelPage = page >= 0 && page < kLevelCount;
  const bool active = onLevelPage && practicePhase <= PhaseFinished;
  if (active && code >= 32 && code <= 126) {
    // Keys count only while a passage is shown, and never past its last cell.
    const bool passageShown = practicePhase == PhaseReady || practicePhase == PhaseTyping;
    if (passageShown && cursor + 1 < kLevels[page].exerciseLength) {
      typedText[++cursor] = static_cast<char>(code);
      const int col = cursor % kRowLength, row = cursor / kRowLength;
      RepaintRect(25 + 13 * col, 60 + 90 * row, 115 + 13 * col, 90 + 90 * row);
      PlaySoundFile(typedText[cursor] == targetText[cursor] ? "KP.WAV" : "ERR.WAV");
    }
  } else if (active && code == kBackspace) {
    if (cursor < 0) return;
    --cursor;
    const int col = cursor % kRowLength, row = cursor / kRowLength;
    RepaintRect(25, 150 + 90 * row, 55, 180 + 90 * row);
    RepaintRect(25 + 13 * col, 60 + 90 * row, 135 + 13 * col, 90 + 90 * row);
    PlaySoundFile("KP.WAV");
    return;
  } else if (!active && code == kEnter) {
    practicePhase = PhaseStart;
    RedrawAll();
  }
  if (code == kDigitThree) {
    ++digitThreeCount;
    ShowDedication();
  }
}

// The count of "3" keys only survives on the author page.
void MainFrame::ShowDedication() {
  if (page != kAuthorPage) digitThreeCount = 0;
}

void MainFrame::OnDeleteAllScores() {
  DeleteAllScores(exeDir);
  RedrawAll();
}

}  // namespace kelp
