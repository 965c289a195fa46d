#include "practice/key_boxes.h"
#include "practice/level_table.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

TEST(LevelTable, EveryReadFitsTheBuffers) {
  for (const LevelInfo& level : kLevels) {
    EXPECT_LE(level.bytesRead, kTextBufferSize);
    EXPECT_LE(level.exerciseLength, level.bytesRead);
  }
  EXPECT_EQ(DisplayedChar('a'), 'a');
  EXPECT_EQ(DisplayedChar('\n'), '?');
  EXPECT_EQ(DisplayedChar('\xB0'), '?');
}

bool Covers(const CellRect& area, const CellPosition& cell) {
  return area.left <= cell.x && cell.x + kCellPitch <= area.right && area.top <= cell.typedY &&
         cell.typedY + kCellPitch <= area.bottom;
}

// A key repaints the cell it filled; a Backspace repaints the cell it emptied, also
// when that cell began a row.
TEST(LevelTable, KeystrokeRepaintsCoverTheChangedCell) {
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelInfo& info = kLevels[level];
    for (int n = 0; n < info.exerciseLength - 1; ++n) {
      EXPECT_TRUE(Covers(KeyRepaintRect(n), CellAt(info, n))) << level << " key " << n;
      const CellPosition emptied = CellAt(info, n + 1);
      EXPECT_TRUE(Covers(BackspaceRepaintRect(n), emptied) ||
                  Covers(BackspaceRowStartRect(n), emptied))
          << level << " backspace " << n;
    }
  }
}

TEST(KeyBoxes, RowsStartAtTheirFirstKeyAndStepByThePitch) {
  for (char first : {'q', 'a', 'z', '7', '4', '1'}) EXPECT_TRUE(FindKeyBox(first)) << first;
  EXPECT_EQ(FindKeyBox('w')->left - FindKeyBox('q')->left, kKeyPitch);
}

TEST(KeyBoxes, KeysWithoutAHintHaveNoBox) {
  for (char none : {'Q', ',', ';', '\0', '\x80', 'A'})
    EXPECT_FALSE(FindKeyBox(static_cast<unsigned char>(none)).has_value()) << none;
}

}  // namespace
}  // namespace kelp
