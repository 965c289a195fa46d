#pragma once

#include "platform/geometry.h"
#include "platform/level_count.h"
#include "resources/data_files.h"

// Per-level constants and the character-cell geometry of the practice pages.
namespace kelp {
constexpr int kTextBufferSize = 250;
constexpr int kCellPitch = 13;
constexpr int kRowLength = 50;
constexpr int kPassageTop = 35;
constexpr int kTypedRowGap = 25;
constexpr int kRowPitch = 90;

// Which verdicts a level's result line takes.
enum class VerdictColumn { kBeginner, kMiddle, kKeypad };

// The level's line on the score sheet: its legend label, where it stands, its swatch.
struct LegendEntry {
  const char* label;
  int x;
  int swatchWidth;
};

struct LevelInfo {
  const char* pageTitle;
  const char* textFile;
  int offsetModulus;
  int bytesRead;
  int exerciseLength;
  int firstCellX;
  const char* hintPicture;  // nullptr: no keyboard picture
  int hintPictureX;
  int resultY;        // the result line sits under the typed rows
  float speedFactor;  // score points per letter a minute, before the cap at 100
  VerdictColumn verdicts;
  LegendEntry legend;
};

inline constexpr LevelInfo kLevels[kLevelCount] = {
    {"入门练习",
     kLevel1Text,
     3333,
     100,
     40,
     77,
     kLetterKeysPicture,
     15,
     90,
     0.71428573f,
     VerdictColumn::kBeginner,
     {"[入门练习]", 100, 60}},
    {"中等练习",
     kLevel2Text,
     3133,
     200,
     200,
     25,
     nullptr,
     0,
     410,
     0.45454547f,
     VerdictColumn::kMiddle,
     {"[中等练习]", 180, 60}},
    {"高级练习",
     kLevel3Text,
     3799,
     200,
     200,
     25,
     nullptr,
     0,
     410,
     0.3846154f,
     VerdictColumn::kMiddle,
     {"[高级练习]", 260, 60}},
    {"专家级练习",
     kLevel4Text,
     3433,
     200,
     200,
     25,
     nullptr,
     0,
     410,
     0.35714287f,
     VerdictColumn::kMiddle,
     {"[专家级练习]", 340, 72}},
    {"小键盘练习",
     kLevel5Text,
     1333,
     100,
     40,
     80,
     kKeypadPicture,
     150,
     90,
     0.5f,
     VerdictColumn::kKeypad,
     {"[小键盘练习]", 430, 72}},
};

struct CellPosition {
  int x;
  int passageY;
  int typedY;
};

// Top-left corner of cell k; long passages wrap into rows of 50.
constexpr CellPosition CellAt(const LevelInfo& level, int k) {
  const int row = k / kRowLength;
  const int x = level.firstCellX + kCellPitch * (k % kRowLength);
  const int y = kPassageTop + kRowPitch * row;
  return {x, y, y + kTypedRowGap};
}

// The rectangles a keystroke repaints lie on the four-row grid for every level;
// they also cover the one-line levels, whose cells start further right.
constexpr int kGridLeft = 25;
constexpr int kRepaintHeight = 30;
constexpr int kKeyRepaintWidth = 90;
constexpr int kBackspaceRepaintWidth = 110;
constexpr int kRowStartRepaintWidth = 30;

// n is the cursor after the change; division truncates, so n = -1 is column -1 of row 0.
constexpr int GridColumn(int n) {
  return n % kRowLength;
}
constexpr int GridTypedTop(int row) {
  return kPassageTop + kTypedRowGap + kRowPitch * row;
}

// After a printable key: the new character and the new cursor mark.
constexpr Rect KeyRepaintRect(int n) {
  const int left = kGridLeft + kCellPitch * GridColumn(n), top = GridTypedTop(n / kRowLength);
  return {left, top, left + kKeyRepaintWidth, top + kRepaintHeight};
}

// The first two cells of the typed row after row n div 50.
constexpr Rect NextRowStartRect(int n) {
  const int top = GridTypedTop(n / kRowLength + 1);
  return {kGridLeft, top, kGridLeft + kRowStartRepaintWidth, top + kRepaintHeight};
}

// After a Backspace: the removed character and the old cursor mark.
constexpr Rect BackspaceRepaintRect(int n) {
  const int left = kGridLeft + kCellPitch * GridColumn(n), top = GridTypedTop(n / kRowLength);
  return {left, top, left + kBackspaceRepaintWidth, top + kRepaintHeight};
}

// The rectangles one keystroke repaints; n is the cursor after it.
struct KeystrokeRepaint {
  Rect rects[2];
  int count;
};

// A key that fills a row's last cell moves the cursor mark to the next row.
constexpr KeystrokeRepaint PrintableKeyRepaint(int n) {
  if (GridColumn(n) == kRowLength - 1) return {{KeyRepaintRect(n), NextRowStartRect(n)}, 2};
  return {{KeyRepaintRect(n), {}}, 1};
}

// The next row's start holds the removed character and the old mark when the
// removed character began a row.
constexpr KeystrokeRepaint BackspaceRepaint(int n) {
  return {{NextRowStartRect(n), BackspaceRepaintRect(n)}, 2};
}

// The byte as drawn in a cell: untypeable bytes show as '?'.
constexpr char DisplayedChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 32 && byte <= 126 ? c : '?';
}

// A typed cell as drawn: a wrongly typed space shows as "-".
constexpr char DisplayedTypedChar(char typed, char expected) {
  return typed == ' ' && expected != ' ' ? '-' : DisplayedChar(typed);
}

}  // namespace kelp
