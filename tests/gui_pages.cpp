#include "resource_ids.h"
#include "tests/frame_test.h"

namespace kelp::test {
namespace {

using Pages = FrameTest;

void Tick(MainFrame& f) {
  SendMessageW(f.hwnd(), WM_TIMER, kSlideTimer, 0);
}

TEST_F(Pages, SlideAwayAndBackRunTheirStepSequences) {
  MainFrame& f = Open();
  Command(ID_LEVEL2);
  EXPECT_EQ(f.slide().state(), StripState::SlidingAway);
  EXPECT_EQ(f.page(), LevelPage(1));
  // Each step restores only the strip's band.
  const COLORREF background = PixelAt(f, 350, 300);
  const COLORREF marker = background ^ 0x00FFFFFF;
  const HDC dc = GetDC(f.hwnd());
  SetPixel(dc, 350, 300, marker);
  SetPixel(dc, 350, 58, marker);
  ReleaseDC(f.hwnd(), dc);
  Tick(f);
  EXPECT_EQ(PixelAt(f, 350, 300), marker);  // below the band: untouched
  EXPECT_NE(PixelAt(f, 350, 58), marker);   // inside the band: erased
  int ticks = 1;
  for (; f.slide().state() == StripState::SlidingAway; ++ticks) Tick(f);
  EXPECT_EQ(ticks, 14);  // the last paint ends the slide
  EXPECT_EQ(f.slide().state(), StripState::Hidden);
  EXPECT_EQ(PixelAt(f, 100, 20), RGB(208, 208, 208));
  EXPECT_EQ(PixelAt(f, 100, 21), RGB(144, 144, 144));
  EXPECT_EQ(PixelAt(f, 350, 300), background);

  Command(ID_HOME);
  EXPECT_EQ(f.slide().state(), StripState::SlidingBack);
  EXPECT_EQ(f.page(), Page::Home);
  EXPECT_EQ(f.exercise().phase(), Phase::Idle);
  for (ticks = 0; f.slide().state() == StripState::SlidingBack; ++ticks) Tick(f);
  EXPECT_EQ(ticks, 16);
  EXPECT_EQ(f.slide().step(), 0);
  EXPECT_EQ(PixelAt(f, 100, 55), RGB(208, 208, 208));
}

TEST_F(Pages, InterruptedSlidesRestartFromTheirFirstStep) {
  MainFrame& f = Open();
  Command(40014);  // Esc at home: nothing
  EXPECT_EQ(f.slide().state(), StripState::Shown);
  EXPECT_EQ(f.slide().step(), 0);

  Command(ID_LEVEL1);
  Tick(f);
  Tick(f);
  Command(ID_HOME);  // Esc while sliding away
  EXPECT_EQ(f.slide().state(), StripState::SlidingBack);
  EXPECT_EQ(f.slide().step(), -21);
  Tick(f);
  Command(ID_LEVEL3);  // a page while sliding back
  EXPECT_EQ(f.slide().state(), StripState::SlidingAway);
  EXPECT_EQ(f.slide().step(), -51);
  EXPECT_EQ(f.page(), LevelPage(2));
  Tick(f);
  Command(ID_LEVEL4);  // another page while sliding away
  EXPECT_EQ(f.slide().step(), -51);
  EXPECT_EQ(f.page(), LevelPage(3));
  FinishSlide(f);
  EXPECT_EQ(f.slide().state(), StripState::Hidden);

  Command(ID_LEVEL5);  // page switch while hidden: no slide
  EXPECT_EQ(f.slide().state(), StripState::Hidden);
  EXPECT_EQ(f.slide().step(), 0);
  EXPECT_EQ(f.page(), LevelPage(4));
  EXPECT_EQ(f.exercise().phase(), Phase::Ready);
}

TEST_F(Pages, AcceleratorsGoThroughTheRealTable) {
  MainFrame& f = Open();
  auto press = [&](WPARAM key) {
    PostMessageW(f.hwnd(), WM_KEYDOWN, key, 1);
    PostMessageW(f.hwnd(), WM_KEYUP, key, 0xC0000001);
    Pump(f);
  };
  const int levelKeys[] = {VK_F2, VK_F3, VK_F4, VK_F5, VK_F6};
  for (int level = 0; level < 5; ++level) {
    press(levelKeys[level]);
    EXPECT_EQ(f.page(), LevelPage(level));
    FinishSlide(f);
  }
  press(VK_ESCAPE);
  EXPECT_EQ(f.slide().state(), StripState::SlidingBack);
  FinishSlide(f);
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
  folder.Write("Level1.kpd", "a" + std::string(4000, 'x'));
  TheSeams().nextRandom = [] { return 0; };
  MainFrame& f = Open();
  Command(ID_LEVEL1);
  Tick(f);
  ShowWindow(f.hwnd(), SW_MINIMIZE);
  PumpFor(f, 600);
  EXPECT_EQ(f.slide().state(), StripState::Hidden);
  EXPECT_EQ(f.exercise().phase(), Phase::Ready);
  ShowWindow(f.hwnd(), SW_RESTORE);
  f.RedrawAll();
  PumpFor(f, 100);
  MSG message;
  EXPECT_FALSE(PeekMessageW(&message, f.hwnd(), WM_TIMER, WM_TIMER, PM_NOREMOVE) &&
               message.wParam == kSlideTimer);
  EXPECT_EQ(PixelAt(f, 100, 20), RGB(208, 208, 208));  // the hidden strip's separator
  EXPECT_EQ(PixelAt(f, 98, 270), RGB(255, 0, 0));      // the page with its first key framed
  EXPECT_NE(PixelAt(f, 350, 300), RGB(0, 0, 0));
}

}  // namespace
}  // namespace kelp::test
