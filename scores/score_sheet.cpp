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
  // Record i's line starts at record i - 1; the last drawn one starts inside the page.
  constexpr int kLimit =
      (kClientWidth - kChartFirstX + kChartRecordPitch - 1) / kChartRecordPitch + 1;
  return static_cast<int>(std::min<std::size_t>(records, kLimit));
}

}  // namespace kelp
