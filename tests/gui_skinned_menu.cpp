#include "appearance/skin_table.h"
#include "appearance/skinned_menu.h"
#include "tests/pixels.h"

#include <gtest/gtest.h>

namespace kelp::test {
namespace {

constexpr COLORREF kHighlight = RGB(140, 180, 230), kWhite = RGB(255, 255, 255);
constexpr COLORREF kUntouched = RGB(1, 2, 3);

// Items of a 240 x 400 pop-up, 226 wide as measured, drawn as the system asks.
class Menu : public ::testing::Test {
 protected:
  void TearDown() override { DestroyMenu(bar); }
  void Draw(unsigned id, int top, UINT action, UINT state) {
    const DRAWITEMSTRUCT draw{ODT_MENU, 0,       id,           action,
                              state,    nullptr, surface.dc(), {0, top, 226, top + (id ? 34 : 17)},
                              0};
    painter.OnDrawItem(&draw);
  }
  HMENU bar = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
  SkinnedMenu painter;
  Canvas surface{240, 400, kUntouched};
};

TEST_F(Menu, EveryPopupItemIsOwnerDrawnWithItsLabelAcrossOpeningsTheTitlesAreNot) {
  painter.OnInitMenu(bar, 0);
  const std::string exitLabel = painter.GetItemText(ID_APP_EXIT);
  painter.OnInitMenu(bar, 2);
  EXPECT_EQ(painter.GetItemText(ID_APP_EXIT), exitLabel);
  EXPECT_EQ(painter.GetItemText(12345), "Error!");
  for (int popup = 0; popup < GetMenuItemCount(bar); ++popup) {
    MENUITEMINFOW title{sizeof title, MIIM_FTYPE, 0, 0, 0, {}, {}, {}, 0, {}, 0, {}};
    GetMenuItemInfoW(bar, popup, TRUE, &title);
    EXPECT_FALSE(title.fType & MFT_OWNERDRAW) << popup;
    for (int i = 0; i < GetMenuItemCount(GetSubMenu(bar, popup)); ++i)
      EXPECT_TRUE(GetMenuState(GetSubMenu(bar, popup), i, MF_BYPOSITION) & MF_OWNERDRAW) << i;
  }
}

TEST_F(Menu, PopupsLieOnTheSkinsPicturesAndShowTheSelectionAsAnOutlinedBox) {
  for (int skin = 0; skin < kSkinCount; ++skin) {
    SCOPED_TRACE(kSkins[skin].backgroundFile);
    painter.OnInitMenu(bar, skin);
    const Bitmap back = LoadBitmapResource(kSkins[skin].menuBackgroundBitmap);
    FillSolid(surface.dc(), 0, 0, 240, 400, kUntouched);
    // A separator is an etched line and nothing else.
    Draw(0, 170, ODA_DRAWENTIRE, 0);
    EXPECT_EQ(surface.At(100, 178), RGB(128, 128, 128));
    EXPECT_EQ(surface.At(100, 179), kWhite);
    EXPECT_EQ(surface.Count({0, 0, 240, 178}, kUntouched), 240 * 178);
    // Opened from the keyboard, the first item comes drawn whole and highlighted:
    // the pop-up's background still lies everywhere right of the stripe.
    Draw(ID_LEVEL1, 0, ODA_DRAWENTIRE, ODS_SELECTED);
    EXPECT_EQ(surface.At(5, 300),
              BitmapPixel(LoadBitmapResource(kSkins[skin].menuStripeBitmap).get(), 5, 300));
    EXPECT_EQ(surface.At(26 + 150, 178), BitmapPixel(back.get(), 150, 178));
    EXPECT_EQ(surface.Count({26, 34, 240, 340}, kUntouched), 0);
    EXPECT_EQ(surface.At(26, 17), RGB(0, 0, 0));
    EXPECT_EQ(surface.At(200, 17), kHighlight);
    EXPECT_EQ(surface.Count({64 + 80, 1, 64 + 95, 33}, kWhite), 0);
    EXPECT_GT(surface.Count({64 + 96, 1, 64 + 100, 33}, kWhite), 0);
    const COLORREF raisedIcon = surface.At(27 + 16, 1 + 16);
    // Down one: the item left behind gets its slice back and its icon drops a pixel;
    // white text on the box, the accelerator at the second tab stop, 96 pixels in.
    Draw(ID_LEVEL1, 0, ODA_SELECT, 0);
    Draw(ID_APP_EXIT, 34, ODA_SELECT, ODS_SELECTED);
    EXPECT_EQ(surface.At(200, 17), BitmapPixel(back.get(), 174, 17));
    EXPECT_EQ(surface.Count({26, 0, 226, 34}, kHighlight), 0);
    EXPECT_EQ(surface.At(28 + 16, 2 + 16), raisedIcon);
    EXPECT_EQ(surface.At(200, 50), kHighlight);
    EXPECT_EQ(surface.Count({64 + 80, 35, 64 + 95, 67}, kWhite), 0);
    EXPECT_GT(surface.Count({64 + 96, 35, 64 + 100, 67}, kWhite), 0);
    // A grayed item is engraved and never highlighted.
    Draw(ID_LEVEL4, 102, ODA_SELECT, ODS_SELECTED | ODS_GRAYED);
    EXPECT_EQ(surface.Count({26, 102, 226, 136}, kHighlight), 0);
    EXPECT_GT(surface.Count({64, 102, 226, 137}, RGB(176, 176, 176)), 20);
  }
}

TEST_F(Menu, MnemonicLettersRunTheirItemsUnlessGrayed) {
  painter.OnInitMenu(bar, 0);
  const HMENU start = GetSubMenu(bar, 0);
  EXPECT_EQ(painter.OnMenuChar(L'X', start), MAKELRESULT(10, MNC_EXECUTE));
  EXPECT_EQ(painter.OnMenuChar(L'd', GetSubMenu(bar, 1)), MAKELRESULT(3, MNC_EXECUTE));
  EXPECT_EQ(HIWORD(painter.OnMenuChar(L'd', start)), MNC_IGNORE);
  EXPECT_EQ(painter.OnMenuChar(L'b', start), MAKELRESULT(0, MNC_EXECUTE));
  EnableMenuItem(start, ID_LEVEL1, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_EQ(HIWORD(painter.OnMenuChar(L'b', start)), MNC_IGNORE);
}

}  // namespace
}  // namespace kelp::test
