#include "app/main_frame.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/seams.h"
#include "practice/key_boxes.h"
#include "practice/level_table.h"

#include <cstring>

namespace kelp {

namespace {

constexpr FontSpec kTitleFont{12, 6, 400};
constexpr FontSpec kPracticeFont{20, 12, 600};

// Cells k .. k + count - 1 of one row, each glyph at the fixed pitch whatever
// its width. Shown bytes are ASCII, the same in GBK and UTF-16.
void DrawCells(HDC dc, const LevelInfo& level, int k, int count, const char* bytes, bool typedRow) {
  wchar_t glyphs[kRowLength];
  INT pitches[kRowLength];
  for (int i = 0; i < count; ++i) {
    glyphs[i] = static_cast<unsigned char>(DisplayedChar(bytes[k + i]));
    pitches[i] = kCellPitch;
  }
  const CellPosition cell = CellAt(level, k);
  ExtTextOutW(dc, cell.x, typedRow ? cell.typedY : cell.passageY, 0, nullptr, glyphs,
              static_cast<UINT>(count), pitches);
}

// Splits [first, end) at row ends and hands each piece to `draw`.
template <typename Draw>
void ForEachRowPiece(int first, int end, Draw draw) {
  while (first < end) {
    const int rowEnd = (first / kRowLength + 1) * kRowLength;
    const int pieceEnd = end < rowEnd ? end : rowEnd;
    draw(first, pieceEnd - first);
    first = pieceEnd;
  }
}

}  // namespace

void MainFrame::OnLevel(int level) {
  OpenPage(level, true);
}

void MainFrame::PaintLevelPage(int level) {
  const LevelInfo& info = kLevels[level];
  WindowDC dc(hwnd(), WindowDC::kClient);
  Font titleFont = CreateSongFont(kTitleFont);
  ScopedSelect selectFont(dc.get(), titleFont.get());
  SetTextColor(dc.get(), infoTextColor);
  SetBkMode(dc.get(), TRANSPARENT);
  DrawTextAt(dc.get(), kTitleX, kTitleY, info.pageTitle);
  // Consecutive steps: a step that advances the phase lets the next one run.
  if (practicePhase == PhaseStart) LoadPassage(level);
  if (practicePhase == PhaseReady) DrawReadyPage(dc.get(), level);
  if (practicePhase == PhaseTyping) DrawTypingPage(dc.get(), level);
  if (practicePhase == PhaseFinished) {
    FinishExercise(level);  // its repaint draws the result page
    return;
  }
  if (practicePhase == PhaseResult) DrawResultPage(dc.get(), level);
}

void MainFrame::LoadPassage(int level) {
  const LevelInfo& info = kLevels[level];
  cursor = -1;
  const std::string path = exeDir + info.textFile;
  std::optional<std::string> passage;
  if (FileExists(path))
    passage = ReadFileRange(path, NextRandom() % info.offsetModulus, info.bytesRead);
  if (info.hintPicture) hintBitmap = LoadBitmapFile(exeDir + info.hintPicture);
  if (!passage) {
    ReportMissingText(level);
    return;
  }
  startTime = Now();
  std::memcpy(targetText, passage->data(), passage->size());
  practicePhase = PhaseReady;
}

// A text too short for the drawn offset counts as damaged, like a missing one.
void MainFrame::ReportMissingText(int level) {
  // Leave the page first: paints that run under the message box must not show it again.
  practicePhase = PhaseIdle;
  page = kHomePage;
  const std::string text =
      std::string("出错：") + kLevels[level].textFile + " 文件丢失或损坏，练习无法继续！";
  MessageBoxW(hwnd(), Widen(text).c_str(), Widen("Kelp错误提示").c_str(), MB_OK | MB_ICONERROR);
  RedrawAll();
}

void MainFrame::DrawPassage(HDC dc, int level) {
  const LevelInfo& info = kLevels[level];
  SetTextColor(dc, standardTextColor);
  ForEachRowPiece(0, info.exerciseLength,
                  [&](int k, int count) { DrawCells(dc, info, k, count, targetText, false); });
}

void MainFrame::DrawCursorMark(HDC dc, int level) {
  const LevelInfo& info = kLevels[level];
  if (cursor + 1 >= info.exerciseLength) return;
  SetTextColor(dc, infoTextColor);
  const CellPosition mark = CellAt(info, cursor + 1);
  DrawTextAt(dc, mark.x, mark.typedY, "_");
}

// The cells of an exercise page in the practice font, then the keyboard picture
// of levels 0 and 4 with the key of passage cell `framedCell` framed (none if -1).
void MainFrame::DrawExercise(HDC dc, int level, bool cursorMark, bool typedCells, int framedCell) {
  const LevelInfo& info = kLevels[level];
  {
    Font practiceFont = CreateSongFont(kPracticeFont);
    ScopedSelect selectFont(dc, practiceFont.get());
    DrawPassage(dc, level);
    if (cursorMark) DrawCursorMark(dc, level);
    if (typedCells) DrawTypedCells(dc, level);
  }
  if (!info.hintPicture) return;
  DrawHintPicture(dc, level);
  if (framedCell >= 0) HighlightKey(dc, targetText[framedCell]);
}

void MainFrame::DrawReadyPage(HDC dc, int level) {
  DrawExercise(dc, level, true, false, 0);
  if (cursor != -1) {
    practicePhase = PhaseTyping;
    startTime = Now();
  }
}

void MainFrame::DrawTypedCells(HDC dc, int level) {
  const LevelInfo& info = kLevels[level];
  const int end = cursor + 1 < info.exerciseLength ? cursor + 1 : info.exerciseLength;
  // Runs of right or wrong cells, one text call each.
  for (int k = 0; k < end;) {
    const bool right = typedText[k] == targetText[k];
    int runEnd = k;
    for (; runEnd < end && (typedText[runEnd] == targetText[runEnd]) == right; ++runEnd) {
      // A wrongly typed space stays visible as "-".
      if (!right && typedText[runEnd] == ' ') typedText[runEnd] = '-';
    }
    SetTextColor(dc, right ? standardTextColor : errorTextColor);
    ForEachRowPiece(k, runEnd, [&](int first, int count) {
      DrawCells(dc, info, first, count, typedText, true);
    });
    k = runEnd;
  }
}

void MainFrame::DrawTypingPage(HDC dc, int level) {
  DrawExercise(dc, level, true, true, cursor + 1);
  if (cursor >= kLevels[level].exerciseLength - 1) practicePhase = PhaseFinished;
}

void MainFrame::FinishExercise(int level) {
  endTime = Now();
  result.Evaluate(targetText, typedText, level, static_cast<int>(endTime - startTime));
  practicePhase = PhaseResult;
  RedrawAll();
}

void MainFrame::DrawResultPage(HDC dc, int level) {
  DrawExercise(dc, level, false, true, -1);
  SetTextColor(dc, infoTextColor);
  result.DrawResult(dc);
}

void MainFrame::DrawHintPicture(HDC dc, int level) {
  const int x = kLevels[level].hintPictureX;
  if (hintBitmap)
    BlitBitmap(dc, hintBitmap.get(), x, kHintPictureY, kHintPictureWidth, kHintPictureHeight);
  else
    FillSolid(dc, x, kHintPictureY, x + kHintPictureWidth, kHintPictureY + kHintPictureHeight,
              RGB(224, 224, 224));
}

void MainFrame::HighlightKey(HDC dc, char c) {
  const std::optional<KeyBox> box = FindKeyBox(static_cast<unsigned char>(c));
  if (!box) return;
  constexpr COLORREF kRings[] = {RGB(255, 0, 0), RGB(255, 0, 0), RGB(0, 255, 255), RGB(0, 255, 255),
                                 RGB(0, 255, 255)};
  int inset = 0;
  for (COLORREF color : kRings) {
    Draw3dRect(dc, box->left + inset, box->top + inset, box->right - box->left - 2 * inset,
               box->bottom - box->top - 2 * inset, color, color);
    ++inset;
  }
}

}  // namespace kelp
