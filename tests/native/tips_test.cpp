#include "pages/tips.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kelp {
namespace {

TEST(Tips, ThirteenGbkTextsWelcomeFirstReadmeLast) {
  EXPECT_EQ(kTipTexts.size(), 13u);
  // "欢迎使用..." in GBK, 37 bytes with the full-width "！".
  EXPECT_EQ(kTipTexts[0].substr(0, 4), "\xBB\xB6\xD3\xAD");
  EXPECT_EQ(kTipTexts[0].size(), 37u);
  EXPECT_EQ(kTipTexts[2].substr(0, 2), "\xA1\xB0");  // the opening quotation mark
  EXPECT_NE(kTipTexts[12].find("Readme.txt"), std::string_view::npos);
  EXPECT_EQ(kTipTexts[12].size(), 36u);
  std::set<std::string_view> distinct(kTipTexts.begin(), kTipTexts.end());
  EXPECT_EQ(distinct.size(), 13u);
}

TEST(Tips, TicksTurnThroughAllThirteenAndBackToTheWelcome) {
  TipRotation tips;
  EXPECT_EQ(tips.index(), 0);
  for (int tick = 1; tick <= 12; ++tick) {
    tips.Advance();
    EXPECT_EQ(tips.index(), tick);
    EXPECT_EQ(tips.Current(), kTipTexts[tick]);
  }
  tips.Advance();
  EXPECT_EQ(tips.index(), 0);
  EXPECT_EQ(tips.Current(), kTipTexts[0]);
}

TEST(Tips, StepBackThenTickRedrawsTheSameTipHoweverOften) {
  TipRotation tips;
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
  const MenuRowMetrics usual{708, 19, 19, 1};
  const Rect glyph = PowerGlyphBox(usual);
  EXPECT_EQ(glyph.left, 689);
  EXPECT_EQ(glyph.top, 23);
  EXPECT_EQ(glyph.width(), 16);
  EXPECT_EQ(glyph.height(), 16);
  const Rect tip = TipRect(usual);
  EXPECT_EQ(tip.left, 300);
  EXPECT_EQ(tip.top, 21);
  EXPECT_EQ(tip.right, 687);
  EXPECT_EQ(tip.bottom, 40);
  EXPECT_EQ(TipPointSize(19), 9);
  for (int border = 1; border <= 3; ++border) {
    for (int menu = 15; menu <= 40; ++menu) {
      const MenuRowMetrics m{706 + 4 * border, 22, menu, border};
      EXPECT_EQ(PowerGlyphBox(m).left - TipRect(m).right, 2);
    }
  }
}

}  // namespace
}  // namespace kelp
