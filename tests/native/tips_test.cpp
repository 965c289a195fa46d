#include "pages/tips.h"

#include <gtest/gtest.h>

#include <string>

namespace kelp {
namespace {

TEST(Tips, TicksTurnThroughAllAndComeBackToTheFirst) {
  TipRotation tips;
  EXPECT_EQ(tips.Current(), kTipTexts[0]);
  for (int tick = 1; tick <= 12; ++tick) {
    tips.Advance();
    EXPECT_EQ(tips.Current(), kTipTexts[tick]);
  }
  tips.Advance();
  EXPECT_EQ(tips.Current(), kTipTexts[0]);
}

// The classic frame: 3-pixel borders, a 2-pixel client edge, caption and menu bar of 19.
// The bar less ten points, the bar measured at 96 dpi.
TEST(Tips, FontFollowsTheMenuBarAtAnyScale) {
  EXPECT_EQ(TipPointSize(19, 96), 9);
  EXPECT_EQ(TipPointSize(36, 120), 18);
}

TEST(Tips, GlyphAndTipFollowTheMenuBarOfAnyFrame) {
  for (int border : {3, 7}) {
    const int w = 700 + 2 * (border + 2);
    const FrameLayout f{w,
                        0,
                        {border, border, w - border, border + 19},
                        {border, border + 19, w - border, border + 38},
                        {border + 2, border + 40}};
    const Rect glyph = PowerGlyphBox(f);
    EXPECT_EQ(glyph.right, w - border) << border;
    EXPECT_EQ(glyph.top, border + 20) << border;
    EXPECT_EQ(glyph.left - TipRect(f).right, 2) << border;
    EXPECT_EQ(TipRect(f).top, border + 18) << border;  // the bar's row above it too
    EXPECT_EQ(TipRect(f).height(), 19) << border;
    EXPECT_EQ(TipRect(f).left, kTipLeft);
    FrameLayout wide = f;
    wide.menuTitlesRight = kTipLeft + 50;  // larger menu titles push the tip right
    EXPECT_EQ(TipRect(wide).left, wide.menuTitlesRight + kTipGlyphGap);
    // Clicks count over the glyph's columns, from the menu bar's top to the client area.
    const Rect hit = PowerGlyphHitRect(f);
    EXPECT_TRUE(hit.Contains({686, -21})) << border;
    EXPECT_TRUE(hit.Contains({701, -1})) << border;
    for (Point outside : {Point{690, 0}, Point{685, -10}, Point{690, -22}})
      EXPECT_FALSE(hit.Contains(outside)) << border;
  }
}

}  // namespace
}  // namespace kelp
