#include "app/tool_buttons.h"
#include "pages/tips.h"
#include "resource_ids.h"
#include "tests/frame_test.h"

#include <set>

namespace kelp::test {
namespace {

using Pages = FrameTest;
using Home = FrameTest;

// Each step repaints only the strip's band and the last paint ends the slide; Esc at home
// does nothing; an interrupted slide turns round from its first step; a page chosen while
// another shows needs no slide.
TEST_F(Pages, SlidesRunTheirStepsOnTheBandAndTurnRoundFromTheirFirstStep) {
  MainFrame& f = Open();
  const auto tick = [&] { SendMessageW(f.hwnd(), WM_TIMER, kSlideTimer, 0); };
  Command(ID_LEVEL2);
  const COLORREF below = PixelAt(f, 350, 300) ^ 0xFFFFFF, in = PixelAt(f, 350, 58) ^ 0xFFFFFF;
  SetPixel(WindowDC(f.hwnd(), WindowDC::kClient).get(), 350, 300, below);
  SetPixel(WindowDC(f.hwnd(), WindowDC::kClient).get(), 350, 58, in);
  tick();
  EXPECT_TRUE(PixelAt(f, 350, 300) == below && PixelAt(f, 350, 58) != in);
  for (const int command : {ID_HOME, 0}) {
    int ticks = command != 0;
    for (const StripState state = f.slide().state(); f.slide().state() == state; ++ticks) tick();
    EXPECT_EQ(ticks, command ? 14 : 16);
    EXPECT_EQ(PixelAt(f, 100, command ? kHiddenSeparatorY : kShownSeparatorY), RGB(208, 208, 208));
    if (command) Command(command);
  }
  const struct {
    int ticks, command, step, level;
  } steps[] = {{0, ID_HOME, 0, -1},    {0, ID_LEVEL1, -51, 0}, {2, ID_HOME, -21, -1},
               {1, ID_LEVEL3, -51, 2}, {1, ID_LEVEL4, -51, 3}, {99, ID_LEVEL5, 0, 4}};
  for (const auto& s : steps) {
    for (int i = 0; i < s.ticks && f.slide().sliding(); ++i) tick();
    Command(s.command);
    EXPECT_EQ(f.slide().step(), s.step) << s.command;
    EXPECT_EQ(f.exercise().phase() == Phase::Idle ? -1 : f.exercise().level(), s.level);
  }
  EXPECT_TRUE(f.slide().state() == StripState::Hidden && f.exercise().phase() == Phase::Ready);
}

void CollectMenuCommands(HMENU menu, std::set<WORD>& ids) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU popup = GetSubMenu(menu, i))
      CollectMenuCommands(popup, ids);
    else if (const UINT id = GetMenuItemID(menu, i); id != 0 && id != UINT(-1))
      ids.insert(id);
  }
}

// No menu item and no accelerator falls through to the default window procedure; F2 to F6
// open the levels, Esc goes home, Insert and the Windows keys minimise.
TEST_F(Pages, EveryMenuItemAndAcceleratorHasAHandlerAndKeysGoThroughTheRealTable) {
  MainFrame& f = Open();
  std::set<WORD> ids;
  CollectMenuCommands(GetMenu(f.hwnd()), ids);
  std::vector<ACCEL> keys(CopyAcceleratorTableW(f.accelerators(), nullptr, 0));
  CopyAcceleratorTableW(f.accelerators(), keys.data(), static_cast<int>(keys.size()));
  EXPECT_TRUE(ids.size() == 19 && keys.size() == 12);
  for (const ACCEL& key : keys) EXPECT_TRUE(ids.count(key.cmd)) << "no menu item: " << key.cmd;
  for (WORD id : ids) EXPECT_TRUE(MainFrame::HandlesCommand(id)) << id;
  const auto press = [&](WPARAM key) {
    PostMessageW(f.hwnd(), WM_KEYDOWN, key, 1);
    PostMessageW(f.hwnd(), WM_KEYUP, key, 0xC0000001);
    Pump(f);
    FinishSlide(f);
  };
  for (int level = 0; level < kLevelCount; ++level) {
    press(VK_F2 + level);
    EXPECT_TRUE(f.exercise().level() == level && f.exercise().phase() == Phase::Ready) << level;
  }
  press(VK_ESCAPE);
  EXPECT_EQ(f.slide().state(), StripState::Shown);
  for (WPARAM key : {VK_INSERT, VK_LWIN, VK_RWIN}) {
    ShowWindow(f.hwnd(), SW_RESTORE);
    press(VK_F3);
    press(key);
    EXPECT_TRUE(IsIconic(f.hwnd())) << key;
  }
}

// Only the tip timer turns the tips (moves, activation and frame paints show the same one
// again); each stands right-aligned in its rectangle, clear of the glyph, and replaces the
// last one entirely: after the thirteenth the first shows again.
TEST_F(Home, TipsTurnOnTheirTimerRightAlignedInTheirRectangle) {
  MainFrame& f = Open();
  const FrameLayout row = ReadFrameLayout(f.hwnd(), GetSystemMetrics(SM_CYMENU));
  const Rect tip = TipRect(row), glyph = PowerGlyphBox(row);
  const RECT whole{tip.left - 1, tip.top - 1, glyph.right + 2, tip.bottom + 1};
  const RECT beside{tip.right, tip.top - 1, glyph.right + 2, tip.bottom + 1};
  const auto look = [&](RECT r) { return Look(r, WindowDC::kWholeWindow); };
  const std::vector<COLORREF> first = look(whole), glyphSide = look(beside);
  SendMessageW(f.hwnd(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(f.hwnd(), WM_MOVE, 0, 0);
  RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  for (int i = 0; i <= kTipCount; ++i) {
    const std::vector<COLORREF> end = look({tip.right - 8, tip.top, tip.right, tip.bottom});
    EXPECT_TRUE((look(whole) == first) == (i % kTipCount == 0) && look(beside) == glyphSide) << i;
    EXPECT_NE(std::count(end.begin(), end.end(), GetSysColor(COLOR_WINDOWTEXT)), 0) << i;
    SendMessageW(f.hwnd(), WM_TIMER, kTipTimer, 0);
  }
}

// The buttons rise under the pointer, sink when pressed and act on the release; a release
// without a press in the window does nothing; a page's hint goes home.
TEST_F(Home, ToolButtonsRiseSinkAndActOnReleaseThePageHintGoesHome) {
  MainFrame& f = Open();
  const auto mouse = [&](UINT message, Rect r) {
    const WPARAM flags = message == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
    SendMessageW(f.hwnd(), message, flags,
                 MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    const Rect b = ToolButtonRect(2);
    return Look({b.left, b.top, b.right, b.bottom});
  };
  for (int button : {8, 7, 0}) mouse(WM_LBUTTONUP, ToolButtonRect(button));
  EXPECT_TRUE(!IsIconic(f.hwnd()) && f.slide().state() == StripState::Shown);
  const auto flat = mouse(WM_MOUSEMOVE, {}), raised = mouse(WM_MOUSEMOVE, ToolButtonRect(2));
  const auto pressed = mouse(WM_LBUTTONDOWN, ToolButtonRect(2));
  EXPECT_TRUE(raised != flat && pressed != raised && pressed != flat);
  mouse(WM_LBUTTONUP, ToolButtonRect(2));
  EXPECT_EQ(f.slide().state(), StripState::SlidingAway);
  FinishSlide(f);
  EXPECT_EQ(f.exercise().level(), 2);
  mouse(WM_LBUTTONDOWN, kReturnHintRect);
  mouse(WM_LBUTTONUP, kReturnHintRect);
  EXPECT_EQ(f.slide().state(), StripState::SlidingBack);
  FinishSlide(f);
  mouse(WM_LBUTTONDOWN, ToolButtonRect(8));
  mouse(WM_LBUTTONUP, ToolButtonRect(8));
  EXPECT_FALSE(IsWindow(f.hwnd()));
}

}  // namespace
}  // namespace kelp::test
