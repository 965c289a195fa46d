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

void DrawCell(HDC dc, int x, int y, char c) {
  const char text[2] = {DisplayedChar(c), '\0'};
  DrawTextAt(dc, x, y, text);
}

}  // namespace

void MainFrame::OnLevel(int level) { OpenPage(level, true); }

void MainFrame::PaintLevelPage(int level) {
  const LevelInfo& info = kLevels[level];
  WindowDC dc(hwnd(), WindowDC::kClient);
  Font titleFont = CreateSongFont(kTitleFont);
  ScopedSelect selectFont(dc.get(), titleFont.get());
  SetTextColor(dc.get(), infoTextColor);
  SetBkMode(dc.get(), TRANSPARENT);
  DrawTextAt(dc.get(), kTitleX, kTitleY, info.pageTitle);
  if (practicePhase == PhaseStart) LoadPassage(level);
  if (practicePhase == PhaseReady) DrawReadyPage(dc.get(), level);
}

void MainFrame::LoadPassage(int level) {
  const LevelInfo& info = kLevels[level];
  cursor = -1;
  const std::string path = exeDir + info.textFile;
  std::optional<std::string> passage;
  if (FileExists(path)) passage = ReadFileRange(path, NextRandom() % info.offsetModulus, info.bytesRead);
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

void MainFrame::DrawReadyPage(HDC dc, int level) {
  const LevelInfo& info = kLevels[level];
  Font practiceFont = CreateSongFont(kPracticeFont);
  ScopedSelect selectFont(dc, practiceFont.get());
  SetTextColor(dc, standardTextColor);
  for (int k = 0; k < info.exerciseLength; ++k) {
    const CellPosition cell = CellAt(info, k);
    DrawCell(dc, cell.x, cell.passageY, targetText[k]);
  }
  SetTextColor(dc, infoTextColor);
  const CellPosition mark = CellAt(info, cursor + 1);
  DrawTextAt(dc, mark.x, mark.typedY, "_");
  if (info.hintPicture) {
    DrawHintPicture(dc, level);
    HighlightKey(dc, targetText[0]);
  }
  if (cursor != -1) {
    practicePhase = PhaseTyping;
    startTime = Now();
  }
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
  constexpr COLORREF kRings[] = {RGB(255, 0, 0), RGB(255, 0, 0), RGB(0, 255, 255),
                                 RGB(0, 255, 255), RGB(0, 255, 255)};
  int inset = 0;
  for (COLORREF color : kRings) {
    Draw3dRect(dc, box->left + inset, box->top + inset, box->right - box->left - 2 * inset,
               box->bottom - box->top - 2 * inset, color, color);
    ++inset;
  }
}

}  // namespace kelp
