#include "pages/author_page_view.h"

#include "pages/page_text.h"
#include "platform/gbk.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace kelp {

namespace {

struct PageLine {
  int y;
  std::string_view text;
};

constexpr char kTitle[] = "作者简介";
constexpr int kLineX = 50;

// The biography, then after a wider gap the interests and the contact block.
constexpr PageLine kAuthorLines[] = {
    {70, "姓名：林远舟"},
    {100, "出生：1983年秋 生于东澜市海带湾"},
    {130, "就读：海带湾小学(1996)  东澜第二中学(2002)"},
    {160, "现在：东澜理工学院 计算机科学专业 三年级"},
    {225, "爱好：编程    长跑    下围棋    听潮声"},
    {255, "外号：阿舟    舟子    打字机"},
    {285, "联系方式："},
    {315, "聊天号：27182818    E-mail：yuanzhou@example.com    主页：http://example.com/kelp"},
    {345, "地址：东澜市潮汐路 3 号东澜理工学院 17 号信箱    邮编：000000"},
};

constexpr int kDedicationTextX = 170;
constexpr int kDedicationTextTop = 100;
constexpr int kDedicationLineStep = 25;
constexpr std::string_view kDedicationLines[] = {
    "For Xiaotang, who sat beside me", "through every night this program",
    "took, and never once complained", "about the clatter of the keys.",
    "Every 3 I type is for you.",      "                   -- Zhou",
};

// The system's defaults, as on a fresh client DC: each line an opaque strip of its own.
void SelectDefaultTextStyle(HDC dc) {
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, OPAQUE);
}

// The picture's area and the strip behind each line.
RECT DedicationArea(HDC dc) {
  RECT area = kDedicationPictureArea;
  int y = kDedicationTextTop;
  for (std::string_view line : kDedicationLines) {
    const std::wstring text = Widen(line);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    area.right = std::max<int>(area.right, kDedicationTextX + extent.cx);
    area.bottom = std::max<int>(area.bottom, y + extent.cy);
    y += kDedicationLineStep;
  }
  return area;
}

}  // namespace

void DrawAuthorPage(HDC dc, const Palette& palette) {
  PageTextStyle style(dc, palette.infoText);
  DrawTextAt(dc, kPageTitleX, kPageTitleY, kTitle);
  for (const PageLine& line : kAuthorLines) DrawTextAt(dc, kLineX, line.y, line.text);
}

RECT DedicationPanelArea(HDC dc) {
  const int saved = SaveDC(dc);
  SelectDefaultTextStyle(dc);
  const RECT area = DedicationArea(dc);
  RestoreDC(dc, saved);
  return area;
}

void DrawDedicationPanel(HDC dc, HBITMAP picture) {
  const int saved = SaveDC(dc);
  SelectDefaultTextStyle(dc);
  const RECT& area = kDedicationPictureArea;
  const SIZE size = BitmapSize(picture);
  BlitBitmap(dc, picture, area.left, area.top, std::min<int>(size.cx, area.right - area.left),
             std::min<int>(size.cy, area.bottom - area.top));
  int y = kDedicationTextTop;
  for (std::string_view line : kDedicationLines) {
    DrawTextAt(dc, kDedicationTextX, y, line);
    y += kDedicationLineStep;
  }
  RestoreDC(dc, saved);
}

}  // namespace kelp
