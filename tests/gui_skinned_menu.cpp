#include "appearance/skin_table.h"
#include "appearance/skinned_menu.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

namespace kelp::test {
namespace {

constexpr COLORREF kHighlight = RGB(140, 180, 230);
constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr int kPopupWidth = 240;
constexpr int kPopupHeight = 400;

// A pop-up's drawing surface: a 24-bit DIB section in a memory DC.
class Surface {
 public:
  Surface() : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kPopupWidth;
    info.bmiHeader.biHeight = -kPopupHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    const RECT all{0, 0, kPopupWidth, kPopupHeight};
    const HBRUSH fill = CreateSolidBrush(kUntouched);
    FillRect(dc_, &all, fill);
    DeleteObject(fill);
  }
  ~Surface() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

COLORREF PicturePixel(int bitmapId, int x, int y) {
  const HBITMAP picture = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId));
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, picture);
  const COLORREF color = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(picture);
  return color;
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
  int CountColor(COLORREF color, RECT area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) count += surface.At(x, y) == color;
    return count;
  }

  HMENU bar = nullptr;
  SkinnedMenu painter;
  Surface surface;
};

TEST_F(MenuTest, ConvertsEveryPopupItemAndKeepsLabelsAcrossOpenings) {
  for (int round = 0; round < 2; ++round) {
    painter.OnInitMenu(bar, round == 0 ? 0 : 2);
    EXPECT_EQ(painter.GetItemText(ID_APP_EXIT), "退出(&X)\t\tCtrl+X");
    EXPECT_EQ(painter.GetItemText(ID_LEVEL1), "初级练习(&B)\tF2");
    EXPECT_EQ(painter.GetItemText(ID_SKIN_BLUE), "浪漫卡通界面(Blue℃)");
    EXPECT_EQ(painter.GetItemText(12345), "Error!");
    EXPECT_EQ(painter.GetItemRow(ID_LEVEL5), 8);
    EXPECT_EQ(painter.GetItemRow(ID_SCORE_SHEET), 11);
    EXPECT_EQ(painter.GetItemRow(ID_APP_EXIT), 18);
    EXPECT_EQ(painter.GetItemIcon(ID_LEVEL1), IDI_LEVEL1);
    EXPECT_EQ(painter.GetItemIcon(ID_APP_ABOUT), IDI_ABOUT);
    EXPECT_EQ(painter.GetItemIcon(ID_HOME), 0u);
  }
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

TEST_F(MenuTest, MeasuresCommandsAndSeparators) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = ID_LEVEL1;
  painter.OnMeasureItem(&measure);
  EXPECT_EQ(measure.itemWidth, 200u);
  EXPECT_EQ(measure.itemHeight, 34u);
  MEASUREITEMSTRUCT separator{};
  separator.CtlType = ODT_MENU;
  painter.OnMeasureItem(&separator);
  EXPECT_EQ(separator.itemHeight, 17u);
}

TEST_F(MenuTest, DrawsStripeBackgroundAndAMovingHighlight) {
  const SkinInfo& skin = kSkins[0];
  Draw(ID_LEVEL1, 0, 34, ODA_DRAWENTIRE, 0);
  EXPECT_EQ(surface.At(5, 300), PicturePixel(skin.menuStripeBitmap, 5, 300));
  EXPECT_EQ(surface.At(26 + 150, 300), PicturePixel(skin.menuBackgroundBitmap, 150, 300));
  EXPECT_EQ(surface.At(26 + 150, 20), PicturePixel(skin.menuBackgroundBitmap, 150, 20));

  // Selected: a highlight box with a black outline over the item right of the stripe.
  Draw(ID_LEVEL2, 34, 34, ODA_SELECT, ODS_SELECTED);
  EXPECT_EQ(surface.At(26, 50), RGB(0, 0, 0));
  EXPECT_EQ(surface.At(150, 34), RGB(0, 0, 0));
  EXPECT_EQ(surface.At(225, 50), RGB(0, 0, 0));
  EXPECT_EQ(surface.At(200, 50), kHighlight);
  EXPECT_EQ(surface.At(5, 50), PicturePixel(skin.menuStripeBitmap, 5, 50));
  EXPECT_GT(CountColor(RGB(255, 255, 255), {64, 34, 226, 68}), 20);

  // Left behind: its slice of the background comes back.
  Draw(ID_LEVEL2, 34, 34, ODA_SELECT, 0);
  EXPECT_EQ(surface.At(200, 50), PicturePixel(skin.menuBackgroundBitmap, 174, 50));
  EXPECT_EQ(surface.At(26, 50), PicturePixel(skin.menuBackgroundBitmap, 0, 50));
  EXPECT_EQ(CountColor(kHighlight, {26, 34, 226, 68}), 0);
}

TEST_F(MenuTest, IconRisesOnePixelWhenHighlighted) {
  Draw(ID_LEVEL3, 68, 34, ODA_DRAWENTIRE, 0);
  const COLORREF resting = surface.At(28 + 16, 68 + 2 + 16);
  Draw(ID_LEVEL3, 68, 34, ODA_SELECT, ODS_SELECTED);
  EXPECT_EQ(surface.At(27 + 16, 68 + 1 + 16), resting);
  EXPECT_NE(resting, kHighlight);
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

TEST_F(MenuTest, GrayedItemsAreEngravedAndNeverHighlighted) {
  Draw(ID_LEVEL4, 102, 34, ODA_SELECT, ODS_SELECTED | ODS_GRAYED);
  const RECT text{64, 102, 226, 137};
  EXPECT_EQ(CountColor(kHighlight, {26, 102, 226, 136}), 0);
  EXPECT_GT(CountColor(RGB(176, 176, 176), text), 20);
  EXPECT_GT(CountColor(RGB(255, 255, 255), text), 20);
}

TEST_F(MenuTest, SeparatorIsAnEtchedLine) {
  Draw(0, 170, 17, ODA_DRAWENTIRE, 0);
  EXPECT_EQ(surface.At(100, 178), RGB(128, 128, 128));
  EXPECT_EQ(surface.At(100, 179), RGB(255, 255, 255));
  EXPECT_EQ(surface.At(31, 178), RGB(128, 128, 128));
  EXPECT_EQ(surface.At(218, 179), RGB(255, 255, 255));
  // Nothing else: no stripe, no background.
  EXPECT_EQ(surface.At(30, 178), kUntouched);
  EXPECT_EQ(surface.At(100, 177), kUntouched);
  EXPECT_EQ(surface.At(219, 179), kUntouched);
  EXPECT_EQ(surface.At(5, 175), kUntouched);
}

TEST_F(MenuTest, MnemonicLettersRunTheirItems) {
  const HMENU start = GetSubMenu(bar, 0);
  const HMENU options = GetSubMenu(bar, 1);
  EXPECT_EQ(painter.OnMenuChar(L'b', start), MAKELRESULT(0, MNC_EXECUTE));
  EXPECT_EQ(painter.OnMenuChar(L'X', start), MAKELRESULT(10, MNC_EXECUTE));
  EXPECT_EQ(painter.OnMenuChar(L'S', options), MAKELRESULT(0, MNC_EXECUTE));
  EXPECT_EQ(painter.OnMenuChar(L'd', options), MAKELRESULT(3, MNC_EXECUTE));
  EXPECT_EQ(HIWORD(painter.OnMenuChar(L'd', start)), MNC_IGNORE);
  EXPECT_EQ(HIWORD(painter.OnMenuChar(L'q', start)), MNC_IGNORE);
  EnableMenuItem(start, ID_LEVEL1, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_EQ(HIWORD(painter.OnMenuChar(L'b', start)), MNC_IGNORE);
}

}  // namespace
}  // namespace kelp::test
