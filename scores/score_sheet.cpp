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
  std::size_t shown = 1;
  while (RecordX(static_cast<int>(shown) - 1) < kClientWidth) ++shown;
  return static_cast<int>(std::min(records, shown));
}

}  // namespace kelp
