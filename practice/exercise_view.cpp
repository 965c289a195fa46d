#include "practice/exercise_view.h"

#include "platform/gdi.h"
#include "platform/geometry.h"
#include "practice/key_hint_view.h"

namespace kelp {

namespace {

constexpr FontSpec kPracticeFont{20, 12, 600};
constexpr int kCellHeight = 20;
constexpr RECT kTitleArea{kPageTitleX, kPageTitleY, kPageTitleX + 80, kPageTitleY + 12};
constexpr int kResultX = 30;
constexpr int kNoteGap = 15;
constexpr char kCursorMark[] = "_";
constexpr char kScoreNotSaved[] = "注意：本次成绩暂未能保存，将在本级下次练习结束或退出时再保存。";

bool Overlaps(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// What the paint may change; drawing outside it is wasted work.
RECT ClipBox(HDC dc) {
  RECT clip{};
  GetClipBox(dc, &clip);
  return clip;
}

// Cells k .. k + count - 1 of one row, each glyph at the fixed pitch whatever its
// width, skipped when outside the paint's clip. Shown bytes are ASCII.
template <typename Glyph>
void DrawRowPiece(HDC dc, const RECT& clip, const LevelInfo& level, int k, int count, bool typedRow,
                  Glyph glyph) {
  const CellPosition cell = CellAt(level, k);
  const int y = typedRow ? cell.typedY : cell.passageY;
  const RECT area{cell.x, y, cell.x + kCellPitch * count, y + kCellHeight};
  if (!Overlaps(area, clip)) return;
  wchar_t glyphs[kRowLength];
  INT pitches[kRowLength];
  for (int i = 0; i < count; ++i) {
    glyphs[i] = static_cast<unsigned char>(glyph(k + i));
    pitches[i] = kCellPitch;
  }
  ExtTextOutW(dc, cell.x, y, 0, nullptr, glyphs, static_cast<UINT>(count), pitches);
}

// Splits [first, end) at row ends and draws each piece.
template <typename Glyph>
void DrawCells(HDC dc, const RECT& clip, const LevelInfo& level, int first, int end, bool typedRow,
               Glyph glyph) {
  while (first < end) {
    const int rowEnd = (first / kRowLength + 1) * kRowLength;
    const int pieceEnd = end < rowEnd ? end : rowEnd;
    DrawRowPiece(dc, clip, level, first, pieceEnd - first, typedRow, glyph);
    first = pieceEnd;
  }
}

void DrawPassage(HDC dc, const RECT& clip, const Exercise& exercise, const Palette& palette) {
  SetTextColor(dc, palette.standardText);
  DrawCells(dc, clip, kLevels[exercise.level()], 0, exercise.length(), false,
            [&](int k) { return DisplayedChar(exercise.passageAt(k)); });
}

// Runs of right or wrong cells, one text call per run and row.
void DrawTypedCells(HDC dc, const RECT& clip, const Exercise& exercise, const Palette& palette) {
  const int end = exercise.typedCount();
  for (int k = 0; k < end;) {
    const bool right = exercise.rightAt(k);
    int runEnd = k;
    while (runEnd < end && exercise.rightAt(runEnd) == right) ++runEnd;
    SetTextColor(dc, right ? palette.standardText : palette.errorText);
    DrawCells(dc, clip, kLevels[exercise.level()], k, runEnd, true, [&](int i) {
      return DisplayedTypedChar(exercise.typedAt(i), exercise.passageAt(i));
    });
    k = runEnd;
  }
}

void DrawCursorMark(HDC dc, const Exercise& exercise, const Palette& palette) {
  const int next = exercise.cursor() + 1;
  if (next >= exercise.length()) return;
  SetTextColor(dc, palette.infoText);
  const CellPosition mark = CellAt(kLevels[exercise.level()], next);
  DrawTextAt(dc, mark.x, mark.typedY, kCursorMark);
}

void DrawResultLine(HDC dc, const ExerciseResult& result, const Palette& palette) {
  SetTextColor(dc, palette.infoText);
  const int y = kLevels[result.level].resultY;
  DrawTextAt(dc, kResultX, y, result.resultText);
  if (!result.scoreSaved) DrawTextAt(dc, kResultX, y + kNoteGap, kScoreNotSaved);
}

}  // namespace

void DrawLevelPage(HDC dc, const Exercise& exercise, const ExerciseResult& result,
                   const Palette& palette, const Picture& hintPicture) {
  const LevelInfo& info = kLevels[exercise.level()];
  const bool showsResult = exercise.phase() == Phase::Result;
  if (!exercise.passageShown() && !showsResult) return;
  const RECT clip = ClipBox(dc);
  ScopedSelect selectPageFont(dc, SongFont(kPageFont));
  SetBkMode(dc, TRANSPARENT);
  if (Overlaps(clip, kTitleArea)) {
    SetTextColor(dc, palette.infoText);
    DrawTextAt(dc, kPageTitleX, kPageTitleY, info.pageTitle);
  }
  {
    ScopedSelect selectFont(dc, SongFont(kPracticeFont));
    DrawPassage(dc, clip, exercise, palette);
    if (!showsResult) DrawCursorMark(dc, exercise, palette);
    DrawTypedCells(dc, clip, exercise, palette);
  }
  if (info.hintPicture) {
    DrawHintPicture(dc, exercise.level(), hintPicture);
    const int next = exercise.cursor() + 1;
    if (!showsResult && next < exercise.length()) {
      if (auto box = FindKeyBox(static_cast<unsigned char>(exercise.passageAt(next))))
        HighlightKey(dc, *box);
    }
  }
  if (showsResult) DrawResultLine(dc, result, palette);
}

}  // namespace kelp
