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
