#include "app/caption_view.h"
#include "app/tool_button_view.h"
#include "app/tool_buttons.h"
#include "pages/tip_view.h"
#include "platform/dwm.h"
#include "resource_ids.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

#include <windows.h>

namespace kelp::test {
namespace {

class Home : public FrameTest {
 protected:
  static SIZE WindowSize(const MainFrame& f) {
    RECT window{};
    GetWindowRect(f.hwnd(), &window);
    return {window.right - window.left, window.bottom - window.top};
  }
  TitleBar Bar(const MainFrame& f, HBITMAP picture, COLORREF title) const {
    const SystemMetrics& m = f.metrics();
    return {Row(f), m.cyMenu, m.colorBtnFace, m.captionFont.get(), picture, title, f.powerGlyph()};
  }
  FrameLayout Row(const MainFrame& f) const { return ReadFrameLayout(f.hwnd(), f.metrics().cyMenu); }
  void Mouse(UINT message, WPARAM flags, int button) {
    const Rect area = ToolButtonRect(button);
    const int x = (area.left + area.right) / 2, y = (area.top + area.bottom) / 2;
    SendMessageW(frame->hwnd(), message, flags, MAKELPARAM(x, y));
  }
};

COLORREF WindowPixel(HWND window, int x, int y) {
  WindowDC dc(window, WindowDC::kWholeWindow);
  return GetPixel(dc.get(), x, y);
}

TEST_F(Home, TitleBarOnTheRealWindowFramesPictureTitleAndGlyphWithOrWithoutAPicture) {
  MainFrame& f = Open();
  DisableCompositorFrame(f.hwnd());  // no compositor under Wine: nothing changes
  const int w = WindowSize(f).cx;
  const Rect caption = Row(f).caption;
  const int cy = f.metrics().cyCaption;
  const COLORREF magenta = RGB(255, 0, 255);
  const Bitmap picture = LoadCaptionBitmap(1);
  {
    WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
    PaintTitleBar(dc.get(), Bar(f, picture.get(), magenta));
  }
  const HWND window = f.hwnd();
  // The picture at its place inside the frame lines.
  for (int x : {10, 60, 150, 600, 690})
    EXPECT_EQ(WindowPixel(window, caption.left + x, caption.top + 6), BitmapPixel(picture.get(), x, 6)) << x;
  // The title, centred a little left of the middle by its trailing spaces.
  int left = w;
  int right = -1;
  {
    WindowDC dc(window, WindowDC::kWholeWindow);
    for (int y = caption.top; y < caption.top + cy; ++y)
      for (int x = 0; x < w; ++x)
        if (GetPixel(dc.get(), x, y) == magenta) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
  }
  ASSERT_LT(left, right);
  EXPECT_NEAR((left + right) / 2, w / 2 - 15, 4);
  // The power glyph at the right end of the menu bar, exactly the resource's pixels.
  const Rect glyph = PowerGlyphBox(Row(f));
  const Bitmap power(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_POWER)));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(WindowPixel(window, glyph.left + x, glyph.top + y), BitmapPixel(power.get(), x, y));
  // Without a picture the title still goes on the default caption.
  WindowDC dc(window, WindowDC::kWholeWindow);
  PaintTitleBar(dc.get(), Bar(f, nullptr, RGB(0, 0, 0)));
  EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(176, 176, 176));
  EXPECT_EQ(GetPixel(dc.get(), 10, caption.top), RGB(255, 255, 255));
}

TEST_F(Home, TipsStayInTheirRectangleClearOfTheGlyph) {
  MainFrame& f = Open();
  const FrameLayout row = Row(f);
  const Rect tip = TipRect(row);
  const Rect glyph = PowerGlyphBox(row);
  ASSERT_EQ(glyph.left - tip.right, 2);
  const COLORREF face = RGB(236, 233, 216);
  const COLORREF ink = RGB(10, 20, 160);
  WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
  const Bitmap picture = LoadCaptionBitmap(0);
  PaintTitleBar(dc.get(), Bar(f, picture.get(), TitleTextColor(0)));
  // What lies right of the tip rectangle and round the glyph before any tip is drawn.
  std::vector<COLORREF> before;
  for (int y = tip.top - 1; y <= tip.bottom; ++y)
    for (int x = tip.right; x < glyph.right + 2; ++x) before.push_back(GetPixel(dc.get(), x, y));
  const auto unchanged = [&] {
    size_t i = 0;
    for (int y = tip.top - 1; y <= tip.bottom; ++y)
      for (int x = tip.right; x < glyph.right + 2; ++x)
        if (GetPixel(dc.get(), x, y) != before[i++]) return false;
    return true;
  };
  const auto inkBox = [&] {  // where the ink lies round the tip rectangle
    RECT box{10000, 10000, -1, -1};
    for (int y = tip.top - 1; y <= tip.bottom; ++y)
      for (int x = tip.left - 1; x <= tip.right; ++x)
        if (GetPixel(dc.get(), x, y) == ink)
          box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                 std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
    return box;
  };

  // The longest tip, right-aligned against the rectangle's end.
  DrawTip(dc.get(), row, f.metrics().cyMenu, kTipTexts[2], face, ink);
  const RECT longest = inkBox();
  EXPECT_TRUE(unchanged());
  EXPECT_LT(longest.right, tip.right);
  EXPECT_GE(longest.right, tip.right - 8);
  EXPECT_GE(longest.top, tip.top);
  EXPECT_LT(longest.bottom, tip.bottom);
  EXPECT_LE(longest.bottom - longest.top + 1, 13);  // nine points on a 96 dpi screen: 12 pixels
  EXPECT_EQ(GetPixel(dc.get(), tip.left, tip.top), face);

  // A shorter tip replaces it entirely.
  DrawTip(dc.get(), row, f.metrics().cyMenu, kTipTexts[10], face, ink);
  EXPECT_GT(inkBox().left, longest.left + 50);
  EXPECT_EQ(GetPixel(dc.get(), longest.left + 2, (tip.top + tip.bottom) / 2), face);

  // Far too long a text is cut at the rectangle, never drawn over the glyph.
  DrawTip(dc.get(), row, f.metrics().cyMenu, std::string(200, 'W'), face, ink);
  EXPECT_TRUE(unchanged());
  EXPECT_GE(inkBox().left, tip.left);
  EXPECT_LT(inkBox().right, tip.right);
}

// Only the tip timer turns the tips; the tool buttons hover, press and open their
// page on release.
TEST_F(Home, TipsTurnOnTheirTimerToolButtonsHoverPressAndOpenTheirPageOnRelease) {
  MainFrame& f = Open();
  const int first = f.tips().index();
  SendMessageW(f.hwnd(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(f.hwnd(), WM_MOVE, 0, 0);
  RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(f.tips().index(), first);
  SendMessageW(f.hwnd(), WM_TIMER, kTipTimer, 0);
  EXPECT_EQ(f.tips().index(), (first + 1) % 13);

  Mouse(WM_MOUSEMOVE, 0, 2);
  EXPECT_EQ(f.toolButtons().offsets()[2], -1);
  Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 2);
  EXPECT_EQ(f.toolButtons().offsets()[2], 1);
  Mouse(WM_LBUTTONUP, 0, 2);
  EXPECT_EQ(f.page(), LevelPage(2));
  EXPECT_EQ(f.slide().state(), StripState::SlidingAway);
  FinishSlide(f);
  // A click on the hint goes home.
  SendMessageW(f.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 10));
  SendMessageW(f.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
  EXPECT_EQ(f.slide().state(), StripState::SlidingBack);
}

// A release without a press in the window (the end of a double-click that closed
// a dialog over the strip) does nothing; a click ends the program.
TEST_F(Home, ExitButtonAndPowerGlyphEndTheProgramCleanly) {
  MainFrame& f = Open();
  for (int button : {8, 7, 0}) Mouse(WM_LBUTTONUP, 0, button);
  EXPECT_TRUE(IsWindow(f.hwnd()));
  EXPECT_FALSE(IsIconic(f.hwnd()));
  EXPECT_EQ(f.page(), Page::Home);
  EXPECT_EQ(f.slide().state(), StripState::Shown);
  Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 8);
  Mouse(WM_LBUTTONUP, 0, 8);
  EXPECT_FALSE(IsWindow(f.hwnd()));
  frame.reset();

  MainFrame& g = Open();
  POINT glyph{694, -GetSystemMetrics(SM_CYMENU) / 2};
  ClientToScreen(g.hwnd(), &glyph);
  SendMessageW(g.hwnd(), WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(glyph.x, glyph.y));
  EXPECT_FALSE(IsWindow(g.hwnd()));
}

TEST_F(Home, ScoreSheetShowsTheHistoriesReadWhenItOpens) {
  for (float score : {20.0f, 80.0f, 50.0f}) AppendScore(folder.path(), 1, score);
  MainFrame& f = Open();
  Command(ID_SCORE_SHEET);
  FinishSlide(f);
  ASSERT_EQ(f.page(), Page::ScoreSheet);
  EXPECT_GT(CountColor(f.hwnd(), {0, 60, 700, 385}, f.palette().level[1]), 80);  // above the legend
}

}  // namespace
}  // namespace kelp::test
