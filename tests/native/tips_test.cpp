#include "pages/tips.h"

#include <gtest/gtest.h>

#include <string>

namespace kelp {
namespace {

TEST(Tips, TicksTurnThroughAllAndStepBackRedrawsTheSameTip) {
  TipRotation tips;
  EXPECT_EQ(tips.index(), 0);
  for (int tick = 1; tick <= 12; ++tick) {
    tips.Advance();
    EXPECT_EQ(tips.index(), tick);
    EXPECT_EQ(tips.Current(), kTipTexts[tick]);
  }
  tips.Advance();
  EXPECT_EQ(tips.index(), 0);
  // A step back then a tick redraws the same tip, however often.
  for (int shown = 0; shown < 13; ++shown) {
    for (int redraw = 0; redraw < 50; ++redraw) {
      tips.StepBack();
      tips.Advance();
      ASSERT_EQ(tips.index(), shown);
    }
    tips.Advance();
  }
  EXPECT_EQ(tips.index(), 0);
  // Steps back that no tick followed still leave an index in range.
  for (int i = 0; i < 40; ++i) tips.StepBack();
  EXPECT_GE(tips.index(), 0);
  EXPECT_LT(tips.index(), 13);
  EXPECT_EQ(tips.Current(), kTipTexts[tips.index()]);
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
