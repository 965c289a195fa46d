#include "scores/score_sheet_view.h"

#include "platform/gdi.h"
#include "practice/level_table.h"
#include "scores/score_sheet.h"

#include <string>

namespace kelp {

namespace {

constexpr COLORREF kBarLight = RGB(255, 255, 255);

constexpr int kAxisLeftX = 50;
constexpr int kAxisRightX = 660;
constexpr int kAxisTopY = 50;
constexpr int kScaleStep = 30;  // ten points
constexpr int kExerciseTickY = 354;
constexpr int kLineWidth = 2;

constexpr int kSwatchY = 390;
constexpr int kSwatchHeight = 5;
constexpr int kLegendLabelY = 400;
constexpr int kCurvesTopY = 18;  // under the page title

void DrawAxesAndScales(HDC dc, COLORREF dark) {
  const auto bar = [&](int x, int y, int width, int height) {
    Draw3dRect(dc, x, y, width, height, kBarLight, dark);
  };
  bar(kAxisLeftX, kChartBaseY, 2, kAxisTopY - kChartBaseY);
  bar(kAxisLeftX, kChartBaseY, 620, 2);
  bar(kAxisRightX, kChartBaseY, 2, kAxisTopY - kChartBaseY);
  for (int k = 0; k <= 10; ++k) {
    const int y = kChartBaseY - kScaleStep * k;
    bar(kAxisLeftX - 2, y, 6, 2);
    bar(kAxisRightX - 3, y, 6, 2);
    DrawTextAt(dc, 30, y - 3, std::to_string(10 * k));
  }
  for (int n = 1; n <= kHistoryCapacity; ++n) {
    const int x = RecordX(n - 1);
    bar(x, kExerciseTickY, 2, -6);
    DrawTextAt(dc, x - 5, kExerciseTickY - 1, std::to_string(n));
  }
  DrawTextAt(dc, 20, 30, "(成绩/分数)");
  DrawTextAt(dc, 605, 365, "(第n次练习/次)");
}

void DrawLegend(HDC dc, const Palette& palette) {
  for (int level = 0; level < kLevelCount; ++level) {
    const LegendEntry& entry = kLevels[level].legend;
    FillSolid(dc, entry.x, kSwatchY, entry.x + entry.swatchWidth, kSwatchY + kSwatchHeight,
              palette.level[level]);
    DrawTextAt(dc, entry.x, kLegendLabelY, entry.label);
  }
}

void DrawHistoryLine(HDC dc, const std::vector<float>& scores, COLORREF color) {
  const int count = DrawnRecordCount(scores.size());
  if (count == 0) return;
  Pen pen(CreatePen(PS_SOLID, kLineWidth, color));
  ScopedSelect selectPen(dc, pen.get());
  MoveToEx(dc, kChartStrokeStartX, ScoreY(scores[0]), nullptr);
  for (int i = 0; i < count; ++i) LineTo(dc, RecordX(i), ScoreY(scores[i]));
}

}  // namespace

void DrawScoreSheet(HDC dc, const std::array<std::vector<float>, kLevelCount>& histories,
                    const Palette& palette) {
  const int saved = SaveDC(dc);
  SelectObject(dc, SongFont(kPageFont));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, palette.infoText);
  DrawTextAt(dc, kPageTitleX, kPageTitleY, "成绩单");
  DrawAxesAndScales(dc, palette.infoText);
  DrawLegend(dc, palette);
  // Records off the scale lie above or under the chart, but a line toward a
  // record far off the page (NaN, 1e30) stops short of the title and the legend.
  IntersectClipRect(dc, kChartStrokeStartX, kCurvesTopY, kClientWidth, kSwatchY);
  for (int level = 0; level < kLevelCount; ++level)
    DrawHistoryLine(dc, histories[level], palette.level[level]);
  RestoreDC(dc, saved);
}

}  // namespace kelp
