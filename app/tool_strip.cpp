#include "app/main_frame.h"

namespace kelp {

namespace {

struct ToolButton {
  const char* label;
  int labelOffset;  // icons sit at 70 * index
};

constexpr ToolButton kToolButtons[kToolButtonCount] = {
    {"入门练习", -8}, {"中等练习", 63}, {"高级练习", 133}, {"专家练习", 203}, {"小键盘", 280},
    {"成绩单", 350},  {"设置", 425},    {"最小化", 490},   {"退出", 565},
};
constexpr int kIconPitch = 70;
constexpr int kLabelTop = 35;

}  // namespace

void MainFrame::DrawToolStrip(HDC dc, int x, int y, const int offsets[kToolButtonCount]) {
  const HICON buttonIcons[kToolButtonCount] = {
      icons.levelIcons[0], icons.levelIcons[1], icons.levelIcons[2],
      icons.levelIcons[3], icons.levelIcons[4], icons.scoreSheetIcon,
      icons.settingsIcon,  icons.minimizeIcon,  icons.exitIcon};
  for (int i = 0; i < kToolButtonCount; ++i) {
    const int d = offsets[i];
    DrawIcon(dc, x + kIconPitch * i + d, y + d, buttonIcons[i]);
    DrawTextAt(dc, x + kToolButtons[i].labelOffset + d, y + kLabelTop + d, kToolButtons[i].label);
  }
}

}  // namespace kelp
