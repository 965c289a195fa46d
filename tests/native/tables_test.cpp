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

bool Covers(const KeystrokeRepaint& repaint, const CellPosition& cell) {
  for (int i = 0; i < repaint.count; ++i) {
    const Rect& r = repaint.rects[i];
    if (r.left <= cell.x && cell.x + kCellPitch <= r.right && r.top <= cell.typedY &&
        cell.typedY + kCellPitch <= r.bottom)
      return true;
  }
  return false;
}

// A key repaints the cell it filled and the new cursor mark, also when the mark moves to
// the next row; a Backspace repaints the cell it emptied and the old and new marks.
TEST(LevelTable, KeystrokeRepaintsCoverEveryChangedCell) {
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelInfo& info = kLevels[level];
    for (int n = 0; n < info.exerciseLength - 1; ++n) {
      const KeystrokeRepaint key = PrintableKeyRepaint(n);
      EXPECT_TRUE(Covers(key, CellAt(info, n))) << level << " key " << n;
      EXPECT_TRUE(Covers(key, CellAt(info, n + 1))) << level << " mark after key " << n;
    }
    for (int n = -1; n < info.exerciseLength - 2; ++n) {
      const KeystrokeRepaint back = BackspaceRepaint(n);
      EXPECT_TRUE(Covers(back, CellAt(info, n + 1))) << level << " emptied " << n + 1;
      EXPECT_TRUE(Covers(back, CellAt(info, n + 2))) << level << " old mark " << n + 2;
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
