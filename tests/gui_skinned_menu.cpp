#include "appearance/skin_table.h"
#include "appearance/skinned_menu.h"
#include "resources/resource_ids.h"
#include "tests/pixels.h"

#include <gtest/gtest.h>

namespace kelp::test {
namespace {

constexpr COLORREF kHighlight = RGB(140, 180, 230);
constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr int kPopupWidth = 240;
constexpr int kPopupHeight = 400;

COLORREF PicturePixel(int bitmapId, int x, int y) {
  const Bitmap picture(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId)));
  return BitmapPixel(picture.get(), x, y);
}

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bar = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_TRUE(bar);
    painter.OnInitMenu(bar, 0);
  }
  void TearDown() override { DestroyMenu(bar); }

  void Draw(unsigned id, int top, int height, UINT action, UINT state) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = id;
    draw.itemAction = action;
    draw.itemState = state;
    draw.hDC = surface.dc();
    draw.rcItem = {0, top, 226, top + height};
    painter.OnDrawItem(&draw);
  }
  int CountColor(COLORREF color, RECT area) const { return surface.Count(area, color); }

  HMENU bar = nullptr;
  SkinnedMenu painter;
  Canvas surface{kPopupWidth, kPopupHeight, kUntouched};
};

TEST_F(MenuTest, ConvertsEveryPopupItemAndKeepsLabelsAcrossOpenings) {
  const std::string exitLabel = painter.GetItemText(ID_APP_EXIT);
  painter.OnInitMenu(bar, 2);  // a second opening keeps the converted labels
  EXPECT_EQ(painter.GetItemText(ID_APP_EXIT), exitLabel);
  EXPECT_NE(exitLabel.find("\t\t"), std::string::npos);
  EXPECT_EQ(painter.GetItemText(12345), "Error!");
  for (int popup = 0; popup < GetMenuItemCount(bar); ++popup) {
    const HMENU items = GetSubMenu(bar, popup);
    for (int i = 0; i < GetMenuItemCount(items); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE;
      GetMenuItemInfoW(items, i, TRUE, &info);
      EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << popup << "/" << i;
    }
  }
  // The menu bar's own titles stay system-drawn.
  MENUITEMINFOW title{};
  title.cbSize = sizeof title;
  title.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(bar, 0, TRUE, &title);
  EXPECT_FALSE(title.fType & MFT_OWNERDRAW);
}

TEST_F(MenuTest, DrawsStripeBackgroundAndAMovingHighlight) {
  const SkinInfo& skin = kSkins[0];
  Draw(ID_LEVEL1, 0, 34, ODA_DRAWENTIRE, 0);
  EXPECT_EQ(surface.At(5, 300), PicturePixel(skin.menuStripeBitmap, 5, 300));
  EXPECT_EQ(surface.At(26 + 150, 300), PicturePixel(skin.menuBackgroundBitmap, 150, 300));

  // Selected: a highlight box with a black outline over the item right of the stripe.
  Draw(ID_LEVEL2, 34, 34, ODA_SELECT, ODS_SELECTED);
  EXPECT_EQ(surface.At(26, 50), RGB(0, 0, 0));
  EXPECT_EQ(surface.At(200, 50), kHighlight);
  EXPECT_EQ(surface.At(5, 50), PicturePixel(skin.menuStripeBitmap, 5, 50));
  EXPECT_GT(CountColor(RGB(255, 255, 255), {64, 34, 226, 68}), 20);

  // Left behind: its slice of the background comes back.
  Draw(ID_LEVEL2, 34, 34, ODA_SELECT, 0);
  EXPECT_EQ(surface.At(200, 50), PicturePixel(skin.menuBackgroundBitmap, 174, 50));
  EXPECT_EQ(surface.At(26, 50), PicturePixel(skin.menuBackgroundBitmap, 0, 50));
  EXPECT_EQ(CountColor(kHighlight, {26, 34, 226, 68}), 0);

  // Opened from the keyboard, the first item comes drawn whole and highlighted:
  // the pop-up's background still lies in the separator bands, under the box.
  FillSolid(surface.dc(), 0, 0, kPopupWidth, kPopupHeight, kUntouched);
  Draw(ID_LEVEL1, 0, 34, ODA_DRAWENTIRE, ODS_SELECTED);
  EXPECT_EQ(surface.At(200, 17), kHighlight);
  EXPECT_EQ(surface.At(26 + 150, 178), PicturePixel(skin.menuBackgroundBitmap, 150, 178));
  EXPECT_EQ(CountColor(kUntouched, {26, 34, kPopupWidth, 340}), 0);
}

TEST_F(MenuTest, IconRisesWhenHighlightedGrayedItemsAreEngraved) {
  Draw(ID_LEVEL3, 68, 34, ODA_DRAWENTIRE, 0);
  const COLORREF resting = surface.At(28 + 16, 68 + 2 + 16);
  Draw(ID_LEVEL3, 68, 34, ODA_SELECT, ODS_SELECTED);
  EXPECT_EQ(surface.At(27 + 16, 68 + 1 + 16), resting);
  EXPECT_NE(resting, kHighlight);

  // Grayed items are engraved and never highlighted.
  Draw(ID_LEVEL4, 102, 34, ODA_SELECT, ODS_SELECTED | ODS_GRAYED);
  EXPECT_EQ(CountColor(kHighlight, {26, 102, 226, 136}), 0);
  EXPECT_GT(CountColor(RGB(176, 176, 176), {64, 102, 226, 137}), 20);
  EXPECT_GT(CountColor(RGB(255, 255, 255), {64, 102, 226, 137}), 20);
}

// A separator is an etched line and nothing else: no stripe, no background.
TEST_F(MenuTest, SeparatorIsAnEtchedLine) {
  Draw(0, 170, 17, ODA_DRAWENTIRE, 0);
  EXPECT_EQ(surface.At(100, 178), RGB(128, 128, 128));
  EXPECT_EQ(surface.At(100, 179), RGB(255, 255, 255));
  EXPECT_EQ(surface.At(100, 177), kUntouched);
  EXPECT_EQ(surface.At(5, 175), kUntouched);
}

TEST_F(MenuTest, AcceleratorTextsStartAtTheSecondTabStop) {
  // White text on the highlight box; the tab rule puts "Ctrl+X" 96 pixels in.
  const int textLeft = 64;
  for (unsigned id : {ID_APP_EXIT, ID_LEVEL1, ID_MINIMIZE}) {
    Draw(id, 0, 34, ODA_SELECT, ODS_SELECTED);
    const int gap = CountColor(RGB(255, 255, 255), {textLeft + 80, 1, textLeft + 95, 33});
    const int accelerator = CountColor(RGB(255, 255, 255), {textLeft + 96, 1, textLeft + 100, 33});
    EXPECT_EQ(gap, 0) << id;
    EXPECT_GT(accelerator, 0) << id;
  }
}

TEST_F(MenuTest, MnemonicLettersRunTheirItems) {
  const HMENU start = GetSubMenu(bar, 0);
  const HMENU options = GetSubMenu(bar, 1);
  EXPECT_EQ(painter.OnMenuChar(L'b', start), MAKELRESULT(0, MNC_EXECUTE));
  EXPECT_EQ(painter.OnMenuChar(L'X', start), MAKELRESULT(10, MNC_EXECUTE));
  EXPECT_EQ(painter.OnMenuChar(L'd', options), MAKELRESULT(3, MNC_EXECUTE));
  EXPECT_EQ(HIWORD(painter.OnMenuChar(L'd', start)), MNC_IGNORE);
  EnableMenuItem(start, ID_LEVEL1, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_EQ(HIWORD(painter.OnMenuChar(L'b', start)), MNC_IGNORE);
}

}  // namespace
}  // namespace kelp::test
