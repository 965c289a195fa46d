#include "scores/score_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace kelp {
namespace {

constexpr int kPageHeight = 450;

TEST(ScoreSheet, ScoresMapToThreePixelsAPointCutTowardZero) {
  EXPECT_EQ(ScoreY(0.0f), 350);
  EXPECT_EQ(ScoreY(100.0f), 50);
  EXPECT_EQ(ScoreY(99.9f), 53);
  EXPECT_EQ(ScoreY(-0.5f), 350);  // toward zero, not down
  EXPECT_EQ(ScoreY(-1.0f), 353);  // under the base line, still on the page
}

TEST(ScoreSheet, GarbageScoresLieOffThePageNeverWrapAround) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (float high : {inf, 1e30f, FLT_MAX, 5000.0f}) EXPECT_LT(ScoreY(high), 0) << high;
  for (float low : {-inf, -1e30f, -FLT_MAX, -5000.0f, nan, -nan}) {
    EXPECT_GT(ScoreY(low), kPageHeight) << low;
  }
  EXPECT_EQ(ScoreY(inf), ScoreY(1e30f));
  EXPECT_EQ(ScoreY(-inf), ScoreY(-1e30f));
  EXPECT_EQ(ScoreY(nan), ScoreY(-inf));
  // Far off, yet small enough for GDI's coordinate range.
  EXPECT_TRUE(ScoreY(inf) > -100000);
  EXPECT_TRUE(ScoreY(-inf) < 100000);
}

// Records another program wrote past the 30th run on right of the axis, up to the first
// beyond the page's edge, whose line still enters the page.
TEST(ScoreSheet, EveryRecordOnThePageIsChartedTheLastOnesRightOfTheAxis) {
  for (std::size_t records : {0, 1, 29, 30, 32, 33}) EXPECT_EQ(DrawnRecordCount(records), records);
  for (std::size_t records : {34, 1000000}) EXPECT_EQ(DrawnRecordCount(records), 33) << records;
  EXPECT_EQ(RecordX(30), 670);
  EXPECT_EQ(RecordX(31), 690);
  EXPECT_GT(RecordX(32), kClientWidth);
  EXPECT_LT(kChartStrokeStartX, RecordX(0));
  for (int record = 1; record < kHistoryCapacity; ++record)
    EXPECT_EQ(RecordX(record) - RecordX(record - 1), kChartRecordPitch);
}

}  // namespace
}  // namespace kelp
