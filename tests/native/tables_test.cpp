#include "practice/key_boxes.h"
#include "practice/level_table.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

TEST(LevelTable, CellsOfOneLineAndFourRowLevels) {
  EXPECT_EQ(CellAt(kLevels[0], 0).x, 77);
  EXPECT_EQ(CellAt(kLevels[0], 39).x, 584);
  EXPECT_EQ(CellAt(kLevels[4], 39).x, 587);
  EXPECT_EQ(CellAt(kLevels[0], 39).passageY, 35);
  EXPECT_EQ(CellAt(kLevels[0], 39).typedY, 60);
  const CellPosition last = CellAt(kLevels[2], 199);
  EXPECT_EQ(last.x, 662);
  EXPECT_EQ(last.passageY, 305);
  EXPECT_EQ(last.typedY, 330);
  EXPECT_EQ(CellAt(kLevels[1], 50).x, 25);
  EXPECT_EQ(CellAt(kLevels[1], 50).passageY, 125);
}

TEST(LevelTable, EveryReadFitsTheBuffers) {
  for (const LevelInfo& level : kLevels) {
    EXPECT_LE(level.bytesRead, kTextBufferSize);
    EXPECT_LE(level.exerciseLength, level.bytesRead);
  }
  EXPECT_EQ(DisplayedChar('a'), 'a');
  EXPECT_EQ(DisplayedChar('\n'), '?');
  EXPECT_EQ(DisplayedChar('\xB0'), '?');
}

TEST(KeyBoxes, KeysWithoutAHintHaveNoBox) {
  for (char none : {'Q', ',', ';', '\0', '\x80', 'A'})
    EXPECT_FALSE(FindKeyBox(static_cast<unsigned char>(none)).has_value()) << none;
}

TEST(RepaintRects, CoverTheChangedCellsAtRowStarts) {
  // The 51st key of a four-row level: its cell at (25, 150) and the mark after it.
  const CellRect key = KeyRepaintRect(50);
  EXPECT_EQ(key.left, 25);
  EXPECT_EQ(key.top, 150);
  // A Backspace back to -1 repaints the start of the first typed row.
  const CellRect back = BackspaceRepaintRect(-1);
  EXPECT_EQ(back.left, 12);
  EXPECT_EQ(back.top, 60);
  EXPECT_EQ(BackspaceRowStartRect(49).top, 150);
}

}  // namespace
}  // namespace kelp
