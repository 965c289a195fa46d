#include "pages/author_page_view.h"
#include "pages/keyboard_layout_view.h"
#include "resource_ids.h"
#include "scores/score_history.h"
#include "scores/score_sheet.h"
#include "scores/score_sheet_view.h"
#include "tests/frame_test.h"

namespace kelp::test {
namespace {

using InfoPages = FrameTest;

// The author page draws its lines; four "3" in a row there show the dedication until
// the next repaint; a "3" on another page starts the count again.
TEST_F(InfoPages, AuthorPageShowsTheDedicationAtTheFourthThreeInARow) {
  MainFrame& f = Open();
  const Bitmap picture = LoadBitmapResource(IDB_DEDICATION);
  MemoryDC memory(nullptr);
  ScopedSelect select(memory.get(), picture.get());
  const auto panelShown = [&] {
    const RECT& area = kDedicationPictureArea;
    bool same = true;
    for (int y = 0; y < BitmapSize(picture.get()).cy; y += 5)
      for (int x = 0; x < area.right - area.left; x += 5)
        same &= PixelAt(f, area.left + x, area.top + y) == GetPixel(memory.get(), x, y);
    return same && Count({area.right, area.top, 450, area.bottom}, RGB(0, 0, 0)) > 100;
  };
  Command(ID_AUTHOR);
  FinishSlide(f);
  const Palette colors = Colors();
  EXPECT_TRUE(Shows({0, kHiddenSeparatorY + 2, kClientWidth, kClientHeight}, colors.infoText,
                    [&](HDC dc) { DrawAuthorPage(dc, colors); }));
  const struct {
    const char* keys;
    int then;
    bool shown;
  } steps[] = {{"333", ID_AUTHOR, false}, {"3", ID_AUTHOR, true},     {"", ID_AUTHOR, false},
               {"33", ID_SCORE_SHEET, false}, {"3", ID_AUTHOR, false}, {"33", ID_AUTHOR, false},
               {"33", 0, true}};
  for (const auto& [keys, then, shown] : steps) {
    Type(keys);
    EXPECT_EQ(panelShown(), shown) << keys << " then " << then;
    if (then) Command(then);
  }
}

// The layout page shows the top-left 700 x 300 of kb0.kpd, or a plain area where the
// picture falls short; it and the histories are read again when the window comes
// back (activated, restored) or their page is chosen again.
TEST_F(InfoPages, LayoutPictureAndHistoriesAreReadAgainWhenThePageComesBack) {
  MainFrame& f = Open();
  const RECT area{kLayoutPictureArea.left, kLayoutPictureArea.top, kClientWidth,
                  kLayoutPictureArea.bottom};
  const int areaPixels = (area.right - area.left) * (area.bottom - area.top);
  const SIZE sizes[] = {{800, 400}, {100, 50}, {0, 0}};
  for (int way = 0; way < 3; ++way) {
    const auto comeBack = [&](int command) {
      if (way == 0) SendMessageW(f.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
      if (way == 0) SendMessageW(f.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
      if (way == 1) SendMessageW(f.hwnd(), WM_SIZE, SIZE_RESTORED, 0);
      if (way == 2) Command(command);
      UpdateWindow(f.hwnd());
    };
    Command(ID_KEYBOARD_LAYOUT);
    FinishSlide(f);
    const COLORREF fill = RGB(200, 40 + 80 * way, 40);
    const SIZE size = sizes[way];
    std::string bmp = BmpFile(size.cx, size.cy, fill);
    if (size.cx) bmp.replace(54 + (size.cy - 1) * size.cx * 3, 3, "\x00\x64\xc8", 3);
    size.cx ? folder.Write("kb0.kpd", bmp) : folder.Remove("kb0.kpd");
    comeBack(ID_KEYBOARD_LAYOUT);
    const int shown = std::min<int>(size.cx, area.right - area.left) *
                      std::min<int>(size.cy, area.bottom - area.top);
    EXPECT_EQ(Count(area, fill) + (size.cx ? 1 : 0), shown) << way;
    EXPECT_EQ(Count(area, kLayoutPlainFill), areaPixels - shown) << way;
    if (size.cx) { EXPECT_EQ(PixelAt(f, area.left, area.top), RGB(200, 100, 0)) << way; }
    EXPECT_TRUE(Shows({kPageTitleX, 0, kClientWidth, kHiddenSeparatorY}, Colors().infoText,
                      [&](HDC dc) { DrawKeyboardLayoutPage(dc, nullptr, Colors()); }));
    Command(ID_SCORE_SHEET);
    const float score = 20.0f + 30 * way;
    folder.Write(ScoreFileName(1), AppendedHistory("", score));
    comeBack(ID_SCORE_SHEET);
    EXPECT_EQ(PixelAt(f, kChartStrokeStartX + 2, ScoreY(score)), Colors().level[1]) << way;
  }
}

// Level 0 first, so that later levels lie on top; a line runs from its stroke start
// to its 30th record and no further, off-scale records above or under the chart.
TEST(ScoreSheetView, EachHistoryIsALineThroughItsFirstThirtyScoresLaterLevelsOnTop) {
  const Palette palette{0, 0, RGB(250, 250, 100),
                        {RGB(255, 0, 0), RGB(0, 200, 0), RGB(0, 0, 255), RGB(255, 0, 255),
                         RGB(0, 255, 255)}};
  Canvas plain(kClientWidth, kClientHeight, RGB(20, 46, 72));
  Canvas page(kClientWidth, kClientHeight, RGB(20, 46, 72));
  DrawScoreSheet(plain.dc(), {}, palette);
  DrawScoreSheet(page.dc(), {{{50, 50, 50}, std::vector<float>(32, 20), {100, 0}, {110, -10}, {50, 50, 50}}},
                 palette);
  EXPECT_GT(plain.Count({0, 0, kClientWidth, kClientHeight}, palette.infoText), 200);
  for (COLORREF color : palette.level) {
    EXPECT_EQ(plain.Count({0, 0, kClientWidth, 385}, color), 0) << color;  // no line
    EXPECT_GT(plain.Count({0, 385, kClientWidth, 400}, color), 200) << color;  // the legend
  }
  const auto rows = [&](int level, int x) {
    std::vector<int> found;
    for (int y = 0; y < kClientHeight; ++y)
      if (page.At(x, y) == palette.level[level]) found.push_back(y);
    return found;
  };
  EXPECT_EQ(rows(4, RecordX(0) + 10), (std::vector<int>{ScoreY(50) - 1, ScoreY(50)}));
  EXPECT_TRUE(rows(0, RecordX(0) + 10).empty());
  EXPECT_EQ(rows(3, kChartStrokeStartX + 2), (std::vector<int>{ScoreY(110) - 1, ScoreY(110)}));
  EXPECT_LE(rows(2, kChartStrokeStartX + 2).back(), ScoreY(100) + 1);
  EXPECT_TRUE(rows(2, kChartStrokeStartX - 3).empty());
  EXPECT_FALSE(rows(1, RecordX(kChartRecordCount - 1) - 1).empty());
  EXPECT_TRUE(rows(1, RecordX(kChartRecordCount - 1) + 6).empty());
}

}  // namespace
}  // namespace kelp::test
