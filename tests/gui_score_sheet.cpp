#include "platform/gdi.h"
#include "scores/score_sheet_view.h"

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
class Page {
 public:
  Page() : screen_(nullptr, WindowDC::kClient), memory_(screen_.get()) {
    bitmap_.Reset(CreateCompatibleBitmap(screen_.get(), kWidth, kHeight));
    previous_ = SelectObject(memory_.get(), bitmap_.get());
    FillSolid(memory_.get(), 0, 0, kWidth, kHeight, kBackground);
  }
  ~Page() { SelectObject(memory_.get(), previous_); }
  HDC dc() const { return memory_.get(); }
  COLORREF At(int x, int y) const { return GetPixel(memory_.get(), x, y); }
  // Pixels of `color` in the rectangle.
  int Count(COLORREF color, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += At(x, y) == color;
    return n;
  }

 private:
  WindowDC screen_;
  MemoryDC memory_;
  Bitmap bitmap_;
  HGDIOBJ previous_;
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
  const COLORREF white = RGB(255, 255, 255);
  // Raised lines: white first, the info colour beside them.
  EXPECT_EQ(page.At(50, 210), white);  // left axis
  EXPECT_EQ(page.At(51, 210), palette.infoText);
  EXPECT_EQ(page.At(660, 210), white);  // right axis
  EXPECT_EQ(page.At(661, 210), palette.infoText);
  EXPECT_EQ(page.At(400, 350), white);  // base line
  EXPECT_EQ(page.At(400, 351), palette.infoText);
  EXPECT_EQ(page.At(49, 50), white);  // top tick of the left scale
  EXPECT_EQ(page.At(658, 50), white);
  EXPECT_EQ(page.At(650, 349), white);      // last exercise tick rises from 354 to 348
  EXPECT_EQ(page.At(50, 30), kBackground);  // the axes stop at the top tick
  EXPECT_EQ(page.At(300, 200), kBackground);
  // Text in the info colour: title, score labels, exercise labels, captions, legend labels.
  EXPECT_GT(page.Count(palette.infoText, 300, 5, 340, 18), 20);
  EXPECT_GT(page.Count(palette.infoText, 30, 47, 48, 60), 10);      // "100"
  EXPECT_GT(page.Count(palette.infoText, 640, 353, 665, 366), 10);  // "30"
  EXPECT_GT(page.Count(palette.infoText, 20, 30, 90, 43), 20);
  EXPECT_GT(page.Count(palette.infoText, 605, 365, 700, 378), 20);
  EXPECT_GT(page.Count(palette.infoText, 430, 400, 500, 413), 20);
  // Legend swatches, 5 pixels high, in the level colours.
  const int swatchX[5] = {100, 180, 260, 340, 430};
  const int swatchW[5] = {60, 60, 60, 72, 72};
  for (int level = 0; level < 5; ++level) {
    EXPECT_EQ(
        page.Count(palette.level[level], swatchX[level], 390, swatchX[level] + swatchW[level], 395),
        swatchW[level] * 5)
        << level;
    EXPECT_EQ(page.At(swatchX[level], 395), kBackground);
  }
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
  EXPECT_GE(RowsOf(page, palette.level[2], 67).front(), 48);
  EXPECT_TRUE(RowsOf(page, palette.level[2], 62).empty());
  // A full history runs to its 30th point at x 650 and no further.
  EXPECT_FALSE(RowsOf(page, palette.level[1], 100).empty());
  EXPECT_LE(RowsOf(page, palette.level[1], 100).back(), 291);  // score 20: y 290
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
  std::vector<float> longer(32, 40.0f);
  histories[2] = longer;  // 31st and 32nd points right of the right axis
  DrawScoreSheet(page.dc(), histories, palette);
  EXPECT_EQ(RowsOf(page, palette.level[0], 80), (std::vector<int>{19, 20}));
  EXPECT_EQ(RowsOf(page, palette.level[1], 80), (std::vector<int>{379, 380}));
  EXPECT_FALSE(RowsOf(page, palette.level[2], 688).empty());
  EXPECT_LE(RowsOf(page, palette.level[2], 688).back(), 231);  // score 40: y 230
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
