#include "scores/score_sheet.h"

#include <algorithm>
#include <cmath>

namespace kelp {

int ScoreY(float score) {
  const float bounded = std::isnan(score) ? -kChartScoreLimit
                                          : std::clamp(score, -kChartScoreLimit, kChartScoreLimit);
  return kChartBaseY - kChartPixelsPerPoint * static_cast<int>(bounded);
}

int DrawnRecordCount(std::size_t records) {
  return static_cast<int>(std::min<std::size_t>(records, kChartRecordCount));
}

}  // namespace kelp
