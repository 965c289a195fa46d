#include "resource_ids.h"
#include "tests/frame_test.h"

#include <set>

namespace kelp::test {
namespace {

using Pages = FrameTest;

void Tick(MainFrame& f) {
  SendMessageW(f.hwnd(), WM_TIMER, kSlideTimer, 0);
}

// Each step repaints only the strip's band; the last paint ends the slide.
TEST_F(Pages, SlideAwayAndBackRunTheirStepsRepaintingOnlyTheBand) {
  MainFrame& f = Open();
  Command(ID_LEVEL2);
  const COLORREF below = PixelAt(f, 350, 300) ^ 0xFFFFFF, in = PixelAt(f, 350, 58) ^ 0xFFFFFF;
  const HDC dc = GetDC(f.hwnd());
  SetPixel(dc, 350, 300, below);
  SetPixel(dc, 350, kSlideBandHeight - 2, in);
  ReleaseDC(f.hwnd(), dc);
  Tick(f);
  EXPECT_EQ(PixelAt(f, 350, 300), below);
  EXPECT_NE(PixelAt(f, 350, kSlideBandHeight - 2), in);
  int ticks = 1;
  for (; f.slide().state() == StripState::SlidingAway; ++ticks) Tick(f);
  EXPECT_EQ(ticks, 14);
  EXPECT_EQ(f.exercise().phase(), Phase::Ready);
  EXPECT_EQ(PixelAt(f, 100, kHiddenSeparatorY), RGB(208, 208, 208));
  EXPECT_EQ(PixelAt(f, 100, kHiddenSeparatorY + 1), RGB(144, 144, 144));
  Command(ID_HOME);
  EXPECT_EQ(f.exercise().phase(), Phase::Idle);
  for (ticks = 0; f.slide().state() == StripState::SlidingBack; ++ticks) Tick(f);
  EXPECT_EQ(ticks, 16);
  EXPECT_EQ(PixelAt(f, 100, kShownSeparatorY), RGB(208, 208, 208));
}

// Esc at home does nothing; an interrupted slide turns round from its first step; a
// page chosen while another shows needs no slide.
TEST_F(Pages, InterruptedSlidesRestartFromTheirFirstStep) {
  MainFrame& f = Open();
  const struct {
    int ticks, command;
    StripState state;
    int step, level;
  } steps[] = {{0, ID_HOME, StripState::Shown, 0, -1},
               {0, ID_LEVEL1, StripState::SlidingAway, -51, 0},
               {2, ID_HOME, StripState::SlidingBack, -21, -1},
               {1, ID_LEVEL3, StripState::SlidingAway, -51, 2},
               {1, ID_LEVEL4, StripState::SlidingAway, -51, 3},
               {99, ID_LEVEL5, StripState::Hidden, 0, 4}};
  for (const auto& s : steps) {
    for (int i = 0; i < s.ticks && f.slide().sliding(); ++i) Tick(f);
    Command(s.command);
    EXPECT_EQ(f.slide().state(), s.state) << s.command;
    EXPECT_EQ(f.slide().step(), s.step) << s.command;
    EXPECT_EQ(f.exercise().phase() == Phase::Idle ? -1 : f.exercise().level(), s.level) << s.command;
  }
  EXPECT_EQ(f.exercise().phase(), Phase::Ready);
}

// F2 to F6 open the levels, Esc goes home, Insert and the Windows keys minimise.
TEST_F(Pages, AcceleratorsGoThroughTheRealTable) {
  MainFrame& f = Open();
  auto press = [&](WPARAM key) {
    PostMessageW(f.hwnd(), WM_KEYDOWN, key, 1);
    PostMessageW(f.hwnd(), WM_KEYUP, key, 0xC0000001);
    Pump(f);
    FinishSlide(f);
  };
  for (int level = 0; level < kLevelCount; ++level) {
    press(VK_F2 + level);
    EXPECT_EQ(f.exercise().level(), level);
    EXPECT_EQ(f.exercise().phase(), Phase::Ready) << level;
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

// The slide runs on its timer whether or not the window can paint.
TEST_F(Pages, MinimisedDuringTheSlideComesBackWithThePageAndNoTimer) {
  MainFrame& f = StartLevel(ID_HOME, "Level1.kpd", "a");
  Command(ID_LEVEL1);
  Tick(f);
  ShowWindow(f.hwnd(), SW_MINIMIZE);
  PumpFor(f, 600);
  EXPECT_EQ(f.slide().state(), StripState::Hidden);
  ShowWindow(f.hwnd(), SW_RESTORE);
  f.RedrawAll();
  PumpFor(f, 100);
  MSG message;
  EXPECT_FALSE(PeekMessageW(&message, f.hwnd(), WM_TIMER, WM_TIMER, PM_NOREMOVE) &&
               message.wParam == kSlideTimer);
  EXPECT_EQ(PixelAt(f, 100, kHiddenSeparatorY), RGB(208, 208, 208));
  EXPECT_EQ(PixelAt(f, 98, 270), RGB(255, 0, 0));  // the page with its first key framed
}

void CollectMenuCommands(HMENU menu, std::set<WORD>& ids) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU popup = GetSubMenu(menu, i))
      CollectMenuCommands(popup, ids);
    else if (const UINT id = GetMenuItemID(menu, i); id != 0 && id != UINT(-1))
      ids.insert(static_cast<WORD>(id));
  }
}

// No menu item and no accelerator falls through to the default window procedure.
TEST_F(Pages, EveryMenuItemAndAcceleratorHasAHandler) {
  std::set<WORD> ids;
  CollectMenuCommands(GetMenu(Open().hwnd()), ids);
  EXPECT_EQ(ids.size(), 19u);
  std::vector<ACCEL> keys(CopyAcceleratorTableW(frame->accelerators(), nullptr, 0));
  CopyAcceleratorTableW(frame->accelerators(), keys.data(), static_cast<int>(keys.size()));
  EXPECT_EQ(keys.size(), 12u);
  for (const ACCEL& key : keys) EXPECT_TRUE(ids.count(key.cmd)) << "no menu item: " << key.cmd;
  for (WORD id : ids) EXPECT_TRUE(MainFrame::HandlesCommand(id)) << id;
}

}  // namespace
}  // namespace kelp::test
