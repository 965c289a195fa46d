#include "app/caption_view.h"
#include "app/tool_buttons.h"
#include "pages/tips.h"
#include "tests/frame_test.h"

namespace kelp::test {
namespace {

using Home = FrameTest;

// The skin's picture fills the caption inside its frame lines; the title stands a
// little left of the middle, moved by its trailing spaces.
TEST_F(Home, CaptionShowsTheSkinPictureAndTheTitleALittleLeftOfTheMiddle) {
  MainFrame& f = Open();
  const FrameLayout row = ReadFrameLayout(f.hwnd(), GetSystemMetrics(SM_CYMENU));
  const Rect c = row.caption;
  const Bitmap picture = LoadCaptionBitmap(0);
  MemoryDC memory(nullptr);
  ScopedSelect select(memory.get(), picture.get());
  WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
  int left = row.windowWidth, right = -1, same = 0;
  for (int y = c.top + 1; y < c.bottom - 2; ++y)
    for (int x = c.left + 1; x < c.right - 1; ++x)
      if (GetPixel(dc.get(), x, y) == GetPixel(memory.get(), x - c.left, y - c.top))
        ++same;
      else
        left = std::min(left, x), right = std::max(right, x);
  EXPECT_GT(same, (c.width() - 2) * (c.height() - 3) * 3 / 4);
  EXPECT_NEAR((left + right) / 2, row.windowWidth / 2 - 15, 4);
}

// Only the tip timer turns the tips; each stands right-aligned in its rectangle, clear
// of the glyph, and replaces the last one entirely.
TEST_F(Home, TipsTurnOnTheirTimerRightAlignedInTheirRectangle) {
  MainFrame& f = Open();
  const FrameLayout row = ReadFrameLayout(f.hwnd(), GetSystemMetrics(SM_CYMENU));
  const Rect tip = TipRect(row), glyph = PowerGlyphBox(row);
  std::vector<COLORREF> all, around;
  RECT ink{};
  const auto look = [&] {
    WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
    all.clear(), around.clear(), ink = {tip.right, tip.bottom, -1, -1};
    for (int y = tip.top - 1; y <= tip.bottom; ++y)
      for (int x = tip.left - 1; x < glyph.right + 2; ++x) {
        all.push_back(GetPixel(dc.get(), x, y));
        if (!tip.Contains({x, y})) around.push_back(all.back());
        if (tip.Contains({x, y}) && all.back() == GetSysColor(COLOR_WINDOWTEXT))
          ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                 std::max<LONG>(ink.right, x), std::max<LONG>(ink.bottom, y)};
      }
  };
  look();
  const std::vector<COLORREF> first = all, firstAround = around;
  SendMessageW(f.hwnd(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(f.hwnd(), WM_MOVE, 0, 0);
  RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  look();
  EXPECT_TRUE(all == first);
  for (int i = 1; i <= kTipCount; ++i) {
    const std::vector<COLORREF> last = all;
    SendMessageW(f.hwnd(), WM_TIMER, kTipTimer, 0);
    look();
    EXPECT_TRUE(all != last) << i;
    EXPECT_TRUE(around == firstAround) << i;
    EXPECT_GE(ink.right, tip.right - 8) << i;
    EXPECT_LE(ink.bottom - ink.top, 12) << i;  // nine points on a 96 dpi screen
  }
  EXPECT_TRUE(all == first);  // the welcome line again, nothing of a longer tip left
}

// The buttons rise under the pointer, sink when pressed and act on the release; a
// release without a press in the window does nothing; a page's hint goes home.
TEST_F(Home, ToolButtonsRiseSinkAndActOnReleaseThePageHintGoesHome) {
  MainFrame& f = Open();
  const auto mouse = [&](UINT message, WPARAM flags, Rect r) {
    SendMessageW(f.hwnd(), message, flags, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  };
  const auto look = [&] {
    std::vector<COLORREF> pixels;
    const Rect r = ToolButtonRect(2);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) pixels.push_back(PixelAt(f, x, y));
    return pixels;
  };
  for (int button : {8, 7, 0}) mouse(WM_LBUTTONUP, 0, ToolButtonRect(button));
  EXPECT_FALSE(IsIconic(f.hwnd()));
  EXPECT_EQ(f.slide().state(), StripState::Shown);
  const std::vector<COLORREF> flat = look();
  mouse(WM_MOUSEMOVE, 0, ToolButtonRect(2));
  const std::vector<COLORREF> raised = look();
  mouse(WM_LBUTTONDOWN, MK_LBUTTON, ToolButtonRect(2));
  EXPECT_TRUE(raised != flat && look() != raised && look() != flat);
  mouse(WM_LBUTTONUP, 0, ToolButtonRect(2));
  EXPECT_EQ(f.slide().state(), StripState::SlidingAway);
  FinishSlide(f);
  EXPECT_EQ(f.exercise().level(), 2);
  mouse(WM_LBUTTONDOWN, MK_LBUTTON, kReturnHintRect);
  mouse(WM_LBUTTONUP, 0, kReturnHintRect);
  EXPECT_EQ(f.slide().state(), StripState::SlidingBack);
  FinishSlide(f);
  mouse(WM_LBUTTONDOWN, MK_LBUTTON, ToolButtonRect(8));
  mouse(WM_LBUTTONUP, 0, ToolButtonRect(8));
  EXPECT_FALSE(IsWindow(f.hwnd()));
}

}  // namespace
}  // namespace kelp::test
