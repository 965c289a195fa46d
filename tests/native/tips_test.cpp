#include "pages/tips.h"

#include <gtest/gtest.h>

#include <string>

namespace kelp {
namespace {

TEST(Tips, TicksTurnThroughAllAndComeBackToTheFirst) {
  TipRotation tips;
  EXPECT_EQ(tips.index(), 0);
  for (int tick = 1; tick <= 12; ++tick) {
    tips.Advance();
    EXPECT_EQ(tips.index(), tick);
    EXPECT_EQ(tips.Current(), kTipTexts[tick]);
  }
  tips.Advance();
  EXPECT_EQ(tips.index(), 0);
}

TEST(Tips, TipRectEndsTwoPixelsBeforeThePowerGlyph) {
  for (int border = 1; border <= 3; ++border) {
    for (int menu = 15; menu <= 40; ++menu) {
      const MenuRowMetrics m{706 + 4 * border, 22, menu, border};
      EXPECT_EQ(PowerGlyphBox(m).left - TipRect(m).right, 2);
    }
  }
}

}  // namespace
}  // namespace kelp
