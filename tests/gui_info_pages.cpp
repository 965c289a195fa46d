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

// The author page draws its lines; four "3" in a row there show the dedication (picture
// and text) until the next repaint; a "3" on another page starts the count again.
TEST_F(InfoPages, AuthorPageShowsTheDedicationAtTheFourthThreeInARow) {
  MainFrame& f = Open();
  const Bitmap picture = LoadBitmapResource(IDB_DEDICATION);
  const RECT& area = kDedicationPictureArea;
  const auto panelShown = [&] {
    for (int y = 0; y < BitmapSize(picture.get()).cy; y += 5)
      for (int x = 0; x < area.right - area.left; x += 5)
        if (PixelAt(f, area.left + x, area.top + y) != BitmapPixel(picture.get(), x, y))
          return false;
    return Count({area.right, area.top, 450, area.bottom}, RGB(0, 0, 0)) > 100;
  };
  Command(ID_AUTHOR);
  FinishSlide(f);
  EXPECT_TRUE(Shows({0, kHiddenSeparatorY + 2, kClientWidth, kClientHeight}, Colors().infoText, "",
                    [&](HDC dc) { DrawAuthorPage(dc, Colors()); }));
  const struct {
    const char* keys;
    int then;
    bool shown;
  } steps[] = {{"333", ID_AUTHOR, false},
               {"3", ID_AUTHOR, true},
               {"", ID_AUTHOR, false},
               {"33", ID_SCORE_SHEET, false},
               {"3", ID_AUTHOR, false},
               {"33", 0, false},
               {"33", 0, true}};
  for (const auto& [keys, then, shown] : steps) {
    Type(keys);
    EXPECT_EQ(panelShown(), shown) << keys << " then " << then;
    if (then) Command(then);
  }
}

// The layout page shows the top-left 700 x 300 of kb0.kpd under its title, or a plain area
// where the picture falls short; it and the histories are read again when the window comes
// back (activated, restored) or their page is chosen again.
TEST_F(InfoPages, LayoutPictureAndHistoriesAreReadAgainWhenThePageComesBack) {
  MainFrame& f = Open();
  const RECT area{kLayoutPictureArea.left, kLayoutPictureArea.top, kClientWidth,
                  kLayoutPictureArea.bottom};
  const SIZE sizes[] = {{800, 400}, {100, 50}, {0, 0}};
  for (int way = 0; way < 3; ++way) {
    const auto comeBack = [&](int command) {
      if (way == 0) SendMessageW(f.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
      SendMessageW(f.hwnd(), way == 0 ? WM_ACTIVATE : WM_SIZE, way == 0 ? WA_ACTIVE : SIZE_RESTORED,
                   0);
      if (way == 2) Command(command);
      UpdateWindow(f.hwnd());
    };
    Command(ID_KEYBOARD_LAYOUT);
    FinishSlide(f);
    const COLORREF fill = RGB(200, 40 + 80 * way, 40);
    const auto [width, height] = sizes[way];
    std::string bmp = BmpFile(width, height, fill);
    if (width) bmp.replace(54 + (height - 1) * width * 3, 3, "\x00\x64\xc8", 3);  // top left
    width ? folder.Write("kb0.kpd", bmp) : folder.Remove("kb0.kpd");
    comeBack(ID_KEYBOARD_LAYOUT);
    const int shown = std::min<int>(width, area.right - area.left) *
                      std::min<int>(height, area.bottom - area.top);
    EXPECT_EQ(Count(area, fill) + (width ? 1 : 0), shown) << way;
    EXPECT_EQ(Count(area, fill) + Count(area, kLayoutPlainFill) + (width ? 1 : 0),
              (area.right - area.left) * (area.bottom - area.top))
        << way;
    EXPECT_TRUE(!width || PixelAt(f, area.left, area.top) == RGB(200, 100, 0)) << way;
    EXPECT_TRUE(Shows({kPageTitleX, 0, kClientWidth, kHiddenSeparatorY}, Colors().infoText, "",
                      [&](HDC dc) { DrawKeyboardLayoutPage(dc, nullptr, Colors()); }));
    Command(ID_SCORE_SHEET);
    folder.Write(ScoreFileName(1), AppendedHistory("", 20.0f + 30 * way));
    comeBack(ID_SCORE_SHEET);
    EXPECT_EQ(PixelAt(f, kChartStrokeStartX + 2, ScoreY(20.0f + 30 * way)), Colors().level[1]);
  }
}

// Level 0 first, so that later levels lie on top; a line runs from its stroke start to its
// 30th record and no further, off-scale records above or under the chart; the legend shows
// each colour with no history at all.
TEST(ScoreSheetView, EachHistoryIsALineThroughItsFirstThirtyScoresLaterLevelsOnTop) {
  const Palette palette{0, 0, RGB(250, 250, 100), {255, 200 << 8, 255 << 16, 0xFF00FF, 0xFFFF00}};
  Canvas plain(kClientWidth, kClientHeight, 0), page(kClientWidth, kClientHeight, 0);
  DrawScoreSheet(plain.dc(), {}, palette);
  DrawScoreSheet(page.dc(), {{{50, 50, 50}, std::vector<float>(32, 20), {100}, {110}, {50, 50}}},
                 palette);
  for (COLORREF color : palette.level)
    EXPECT_TRUE(plain.Count({0, 0, kClientWidth, 385}, color) == 0 &&
                plain.Count({0, 385, kClientWidth, 400}, color) > 200)
        << color;
  const auto rows = [&](int level, int x) {
    std::vector<int> found;
    for (int y = 0; y < kClientHeight; ++y)
      if (page.At(x, y) == palette.level[level]) found.push_back(y);
    return found;
  };
  const int x = kChartStrokeStartX + 2, last = RecordX(kChartRecordCount - 1);
  EXPECT_EQ(rows(4, x), (std::vector<int>{ScoreY(50) - 1, ScoreY(50)}));
  EXPECT_TRUE(rows(0, x).empty() && rows(2, kChartStrokeStartX - 2).empty());
  EXPECT_EQ(rows(2, x), (std::vector<int>{ScoreY(100) - 1, ScoreY(100)}));
  EXPECT_EQ(rows(3, x), (std::vector<int>{ScoreY(110) - 1, ScoreY(110)}));
  EXPECT_TRUE(!rows(1, last - 1).empty() && rows(1, last + 6).empty());
}

}  // namespace
}  // namespace kelp::test
