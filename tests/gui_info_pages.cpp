#include "pages/author_page_view.h"
#include "pages/keyboard_layout_view.h"
#include "platform/gdi.h"
#include "resource_ids.h"
#include "scores/score_history.h"
#include "scores/score_sheet.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace kelp::test {
namespace {

constexpr COLORREF kStale = RGB(255, 0, 255);  // what an earlier page left
constexpr COLORREF kInfo = RGB(0, 0, 200);
constexpr Palette kPalette{RGB(0, 0, 0), RGB(255, 0, 0), kInfo, {}};

// A 700 x 450 client area in memory, covered with an earlier page's colour.
struct PageCanvas : Canvas {
  PageCanvas() : Canvas(700, 450, kStale) {}
  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> all;
    for (int y = 0; y < 450; ++y)
      for (int x = 0; x < 700; ++x) all.push_back(At(x, y));
    return all;
  }
};

// A picture of one colour with its top-left and bottom-right pixels marked.
Bitmap Picture(int width, int height, COLORREF fill, COLORREF corners) {
  Bitmap picture = NewDib(width, height);
  MemoryDC dc(nullptr);
  ScopedSelect select(dc.get(), picture.get());
  FillSolid(dc.get(), 0, 0, width, height, fill);
  SetPixel(dc.get(), 0, 0, corners);
  SetPixel(dc.get(), width - 1, height - 1, corners);
  return picture;
}

constexpr RECT kVisiblePictureArea{15, 90, 700, 390};

TEST(KeyboardLayoutPage, PictureSitsAtItsPlaceUnderTheTitle) {
  PageCanvas canvas;
  const Bitmap picture = Picture(800, 400, RGB(10, 20, 30), RGB(200, 100, 0));
  DrawKeyboardLayoutPage(canvas.dc(), picture.get(), kPalette);
  EXPECT_EQ(canvas.At(15, 90), RGB(200, 100, 0));  // the picture's top-left pixel
  EXPECT_EQ(canvas.At(699, 389), RGB(10, 20, 30));
  EXPECT_EQ(canvas.Count(kVisiblePictureArea, RGB(10, 20, 30)), 685 * 300 - 1);
  // Nothing beyond the area: a larger picture shows only its top-left 700 x 300.
  EXPECT_EQ(canvas.At(14, 90), kStale);
  EXPECT_EQ(canvas.At(15, 89), kStale);
  EXPECT_EQ(canvas.At(15, 390), kStale);
  EXPECT_GT(canvas.Count({300, 5, 348, 17}, kInfo), 40);  // "键盘分布"
  EXPECT_EQ(canvas.Count({0, 0, 700, 450}, kInfo), canvas.Count({300, 5, 348, 17}, kInfo));
}

TEST(KeyboardLayoutPage, SmallOrMissingPictureLeavesNoEarlierPageBehind) {
  for (const bool missing : {false, true}) {
    PageCanvas canvas;
    const Bitmap picture = missing ? Bitmap() : Picture(100, 50, RGB(0, 128, 0), RGB(0, 128, 0));
    DrawKeyboardLayoutPage(canvas.dc(), picture.get(), kPalette);
    EXPECT_EQ(canvas.Count(kVisiblePictureArea, kStale), 0) << missing;
    const int plain = canvas.Count(kVisiblePictureArea, kLayoutPlainFill);
    EXPECT_EQ(plain, missing ? 685 * 300 : 685 * 300 - 100 * 50) << missing;
    EXPECT_GT(canvas.Count({300, 5, 348, 17}, kInfo), 40) << missing;
  }
}

TEST(AuthorPage, EveryLineIsDrawnInTheInfoColourAndRedrawsPixelForPixel) {
  PageCanvas canvas;
  FillSolid(canvas.dc(), 0, 0, 700, 450, RGB(255, 255, 255));
  DrawAuthorPage(canvas.dc(), kPalette);
  EXPECT_GT(canvas.Count({50, 60, 700, 360}, kInfo), 40 * 9);
  EXPECT_EQ(canvas.Count({0, 0, 50, 450}, kInfo), 0);
  EXPECT_EQ(
      canvas.Count({0, 0, 700, 450}, RGB(255, 255, 255)) + canvas.Count({0, 0, 700, 450}, kInfo),
      700 * 450);  // crisp glyphs: no blended edge pixels

  const std::vector<COLORREF> once = canvas.Pixels();
  for (int i = 0; i < 5; ++i) DrawAuthorPage(canvas.dc(), kPalette);
  EXPECT_TRUE(canvas.Pixels() == once);
}

TEST(AuthorPage, DedicationPanelCoversItsAreaWithDefaultColoursWhateverTheDcHoldsOrAPlainArea) {
  const Bitmap picture = LoadBitmapResource(IDB_DEDICATION);
  ASSERT_TRUE(picture);
  const POINT probes[] = {{0, 0}, {99, 0}, {50, 73}, {0, 145}, {99, 145}};
  PageCanvas canvas;
  SetTextColor(canvas.dc(), kInfo);
  SetBkMode(canvas.dc(), TRANSPARENT);
  DrawDedicationPanel(canvas.dc(), picture.get());

  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(canvas.At(50 + probes[i].x, 100 + probes[i].y),
              BitmapPixel(picture.get(), probes[i].x, probes[i].y))
        << i;
  EXPECT_EQ(canvas.Count({50, 246, 150, 250}, kDedicationPlainFill), 400);
  EXPECT_EQ(canvas.Count({50, 100, 400, 250}, kStale), 0);  // one card, lines and gaps
  EXPECT_EQ(canvas.At(49, 100), kStale);
  EXPECT_EQ(canvas.At(50, 250), kStale);

  for (int y = 100; y <= 225; y += 25) {
    EXPECT_GT(canvas.Count({170, y, 450, y + 12}, RGB(0, 0, 0)), 10) << y;
    EXPECT_GT(canvas.Count({170, y, 450, y + 12}, RGB(255, 255, 255)), 30) << y;  // opaque
  }
  EXPECT_EQ(canvas.Count({0, 0, 700, 450}, kInfo), 0);
  EXPECT_EQ(GetTextColor(canvas.dc()), kInfo);  // the DC is handed back as it came
  EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);

  DrawDedicationPanel(canvas.dc(), nullptr);  // a missing picture leaves a plain area
  EXPECT_EQ(canvas.Count({50, 100, 150, 250}, kDedicationPlainFill), 100 * 150);
}

class InfoFrame : public FrameTest {
 protected:
  void Type(const std::string& keys) {
    for (char c : keys) SendMessageW(frame->hwnd(), WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  // The dedication picture's top-left pixel shows only while the panel is up.
  bool PanelShown() {
    const Bitmap picture = LoadBitmapResource(IDB_DEDICATION);
    return PixelAt(*frame, kDedicationPictureArea.left + 10, kDedicationPictureArea.top + 10) ==
           BitmapPixel(picture.get(), 10, 10);
  }
};

// The author page draws its lines and shows the dedication at the fourth "3", on
// that page only; the layout page without its picture is a plain area.
TEST_F(InfoFrame, AuthorPageAndDedicationAtTheFourthThreeLayoutPageWithoutItsPicture) {
  MainFrame& f = Open();
  Command(ID_AUTHOR);
  FinishSlide(f);
  ASSERT_EQ(f.page(), Page::Author);
  EXPECT_GT(CountColor(f.hwnd(), {50, 100, 400, 400}, f.palette().infoText), 150);
  Type("333");
  EXPECT_FALSE(PanelShown());
  Type("3");
  EXPECT_TRUE(PanelShown());
  f.RedrawAll();  // the next repaint removes it
  EXPECT_FALSE(PanelShown());

  folder.Remove("kb0.kpd");  // a missing picture: a plain area, nothing of the last page
  Command(ID_KEYBOARD_LAYOUT);
  EXPECT_EQ(f.slide().state(), StripState::Hidden);
  EXPECT_EQ(PixelAt(f, 200, 200), kLayoutPlainFill);
  EXPECT_EQ(PixelAt(f, 600, 380), kLayoutPlainFill);
  Type("3333");
  EXPECT_EQ(f.digitThreeCount(), 0);
  Command(ID_AUTHOR);
  Type("333");
  EXPECT_FALSE(PanelShown());
}

// Files another program changes show when their page is chosen again or the
// window comes back (activated, restored); a paint only draws what was read.
TEST_F(InfoFrame, LayoutPictureAndHistoriesAreReadAgainWhenThePageComesBack) {
  MainFrame& f = Open();
  struct Return {
    const char* name;
    std::function<void(int command)> run;
  };
  const Return returns[] = {
      {"activated",
       [&](int) {
         SendMessageW(f.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
         SendMessageW(f.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
       }},
      {"restored", [&](int) { SendMessageW(f.hwnd(), WM_SIZE, SIZE_RESTORED, 0); }},
      {"chosen again", [&](int command) { Command(command); }},
  };
  const COLORREF pictures[] = {RGB(200, 40, 40), RGB(40, 200, 40), RGB(40, 40, 200)};
  const float scores[] = {20.0f, 80.0f, 50.0f};
  Command(ID_KEYBOARD_LAYOUT);
  FinishSlide(f);
  for (int i = 0; i < 3; ++i) {
    folder.Write("kb0.kpd", BmpFile(700, 300, pictures[i]));
    returns[i].run(ID_KEYBOARD_LAYOUT);
    UpdateWindow(f.hwnd());
    EXPECT_EQ(PixelAt(f, 200, 200), pictures[i]) << returns[i].name;
  }
  Command(ID_SCORE_SHEET);
  for (int i = 0; i < 3; ++i) {
    folder.Write(ScoreFileName(1), AppendedHistory("", scores[i]));
    returns[i].run(ID_SCORE_SHEET);
    UpdateWindow(f.hwnd());
    EXPECT_EQ(PixelAt(f, 67, ScoreY(scores[i])), f.palette().level[1]) << returns[i].name;
  }
}

}  // namespace
}  // namespace kelp::test
