#pragma once

#include "platform/geometry.h"
#include "scores/score_history.h"

#include <cstddef>

// Where the score sheet puts a record: exercises 1 to kHistoryCapacity across, scores 0 to 100 up,
// three pixels a point. Page coordinates of the 700 x 450 client area.
namespace kelp {

constexpr int kChartBaseY = 350;  // score 0
constexpr int kChartPixelsPerPoint = 3;
constexpr int kChartFirstX = 70;  // the first record
constexpr int kChartRecordPitch = 20;
constexpr int kChartStrokeStartX = 65;  // a lone record still shows as a short stroke

// Beyond this many points either way a record lies far off the page anyway; the
// clamp keeps the conversion to pixels defined for any float a file can hold.
constexpr float kChartScoreLimit = 1000.0f;

// The score is cut toward zero to whole points first: 99.9 lies where 99 does. Scores
// above 100 lie above the chart, below 0 under the base line; NaN lies with the lowest.
int ScoreY(float score);

constexpr int RecordX(int record) {
  return kChartFirstX + kChartRecordPitch * record;
}

// How many of a history's records the chart draws: all of them up to the first that
// lies past the page's right edge, the line toward it included. Histories another
// writer made longer than 30 records run on right of the axis.
int DrawnRecordCount(std::size_t records);

}  // namespace kelp
