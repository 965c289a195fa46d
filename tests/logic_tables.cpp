#include "practice/key_boxes.h"
#include "practice/level_table.h"

#include <cstring>
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

TEST(KeyBoxes, LettersKeypadAndSingleKeys) {
  auto expectBox = [](char c, KeyBox want) {
    const auto box = FindKeyBox(static_cast<unsigned char>(c));
    ASSERT_TRUE(box.has_value()) << c;
    EXPECT_EQ(std::memcmp(&*box, &want, sizeof want), 0)
        << c << ": " << box->left << "," << box->top << "," << box->right << "," << box->bottom;
  };
  expectBox('q', {80, 225, 124, 269});
  expectBox('p', {485, 225, 529, 269});
  expectBox('a', {98, 270, 142, 314});
  expectBox('m', {390, 315, 434, 359});
  expectBox('7', {150, 225, 194, 269});
  expectBox('3', {240, 315, 284, 359});
  expectBox(' ', {200, 360, 470, 405});
  expectBox('+', {285, 225, 330, 315});
  expectBox('0', {150, 360, 240, 405});
  for (char none : {'Q', ',', ';', '\0', '\x80', 'A'})
    EXPECT_FALSE(FindKeyBox(none).has_value()) << none;
}

}  // namespace
}  // namespace kelp
