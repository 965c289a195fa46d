#include "platform/gdi.h"
#include "scores/score_sheet_view.h"
#include "tests/pixels.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kelp {
namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 450;
constexpr COLORREF kBackground = RGB(20, 46, 72);

// A 700 x 450 page in memory, filled with the background colour.
class Page : public test::Canvas {
 public:
  Page() : Canvas(kWidth, kHeight, kBackground) {}
  int Count(COLORREF color, int left, int top, int right, int bottom) const {
    return Canvas::Count({left, top, right, bottom}, color);
  }
};

Palette TestPalette() {
  Palette p;
  p.infoText = RGB(250, 250, 100);
  p.level = {RGB(255, 0, 0), RGB(0, 200, 0), RGB(0, 0, 255), RGB(255, 0, 255), RGB(0, 255, 255)};
  return p;
}

using Histories = std::array<std::vector<float>, 5>;

TEST(ScoreSheetView, EmptyHistoriesShowAxesScalesCaptionsAndLegendOnly) {
  Page page;
  const Palette palette = TestPalette();
  DrawScoreSheet(page.dc(), Histories{}, palette);
  EXPECT_EQ(page.At(50, 210), RGB(255, 255, 255));  // the left axis
  EXPECT_EQ(page.At(300, 200), kBackground);
  EXPECT_GT(page.Count(palette.infoText, 0, 0, kWidth, kHeight), 200);  // labels and captions
  // Legend swatches in the level colours.
  for (int level = 0; level < 5; ++level)
    EXPECT_GT(page.Count(palette.level[level], 0, 388, kWidth, 396), 200) << level;
  // No line anywhere in the chart.
  for (COLORREF c : palette.level) EXPECT_EQ(page.Count(c, 0, 0, kWidth, 385), 0);
}

// The rows of column x that hold `color`, top to bottom.
std::vector<int> RowsOf(const Page& page, COLORREF color, int x) {
  std::vector<int> rows;
  for (int y = 0; y < kHeight; ++y)
    if (page.At(x, y) == color) rows.push_back(y);
  return rows;
}

TEST(ScoreSheetView, LinesInLevelColoursAtTheirScoresLaterLevelsOnTop) {
  Page page;
  const Palette palette = TestPalette();
  Histories histories;
  histories[0] = {50, 50, 50};
  histories[2] = {100, 0};
  histories[4] = {50, 50, 50};  // the same as level 0: drawn over it
  std::vector<float> full(30, 20.0f);
  full[29] = 80.0f;
  histories[1] = full;
  DrawScoreSheet(page.dc(), histories, palette);

  // Score 50 at y 200, a line 2 pixels thick, level 4 over level 0.
  EXPECT_EQ(RowsOf(page, palette.level[4], 80), (std::vector<int>{199, 200}));
  EXPECT_TRUE(RowsOf(page, palette.level[0], 80).empty());
  // Score 100 on the top tick, the stroke from x 65; then straight down to 0 at x 90.
  EXPECT_FALSE(RowsOf(page, palette.level[2], 67).empty());
  EXPECT_LE(RowsOf(page, palette.level[2], 67).back(), 51);
  EXPECT_TRUE(RowsOf(page, palette.level[2], 62).empty());
  // A full history runs to its 30th point at x 650 and no further.
  EXPECT_FALSE(RowsOf(page, palette.level[1], 649).empty());
  EXPECT_TRUE(RowsOf(page, palette.level[1], 656).empty());
}

TEST(ScoreSheetView, GarbageScoresDrawNothingOnThePage) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  Page page;
  const Palette palette = TestPalette();
  Histories histories;
  histories[0] = std::vector<float>(30, nan);
  histories[1] = {inf, 1e30f, inf};
  histories[2] = {-inf, -1e30f, -3e38f};
  histories[3] = std::vector<float>(5000, nan);  // a long damaged file
  // One good score among NaNs: only the two segments next to it show.
  histories[4] = {nan, nan, nan, 50, nan, nan, nan, nan};
  DrawScoreSheet(page.dc(), histories, palette);
  for (int level = 0; level < 4; ++level)
    EXPECT_EQ(page.Count(palette.level[level], 0, 0, kWidth, 388), 0) << level;
  const COLORREF c = palette.level[4];
  EXPECT_GT(page.Count(c, 108, 195, 133, 206), 0);  // at the good point (x 130, y 200)
  EXPECT_EQ(page.Count(c, 0, 0, 107, 388), 0);
  EXPECT_EQ(page.Count(c, 154, 0, kWidth, 388), 0);
}

TEST(ScoreSheetView, OffChartScoresFollowTheirDirection) {
  Page page;
  const Palette palette = TestPalette();
  Histories histories;
  histories[0] = {110, 110};  // 30 pixels above the top tick
  histories[1] = {-10, -10};  // 30 pixels under the base line
  std::vector<float> longer(30, 40.0f);
  longer.insert(longer.end(), {90.0f, 90.0f});  // past the 30th: another program's
  histories[2] = longer;
  DrawScoreSheet(page.dc(), histories, palette);
  EXPECT_EQ(RowsOf(page, palette.level[0], 80), (std::vector<int>{19, 20}));
  EXPECT_EQ(RowsOf(page, palette.level[1], 80), (std::vector<int>{379, 380}));
  // The line ends on the 30th record at x 650, level at score 40 (y 230).
  EXPECT_EQ(RowsOf(page, palette.level[2], 640), (std::vector<int>{229, 230}));
  EXPECT_EQ(page.Count(palette.level[2], 652, 0, 700, 450), 0);
}

// A line toward a record far off the page stops short of the title and the legend.
TEST(ScoreSheetView, FarOffRecordsCrossNeitherTitleNorLegend) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  Page page;
  const Palette palette = TestPalette();
  Page plain;
  DrawScoreSheet(plain.dc(), {}, palette);
  Histories histories;
  histories[0] = {30, nan, 30};
  histories[1] = {50, 1e30f, 50};
  histories[2] = {70, -std::numeric_limits<float>::infinity(), 70};
  DrawScoreSheet(page.dc(), histories, palette);
  for (int level = 0; level < 3; ++level) {
    const COLORREF c = palette.level[level];
    EXPECT_GT(page.Count(c, 60, 130, 68, 270), 0) << level;  // the stroke at its score
    EXPECT_EQ(page.Count(c, 0, 0, kWidth, 18), 0) << level;
    EXPECT_EQ(page.Count(c, 0, 390, kWidth, 450), plain.Count(c, 0, 390, kWidth, 450)) << level;
  }
}

}  // namespace
}  // namespace kelp
