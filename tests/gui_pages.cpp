#include "resource_ids.h"
#include "tests/frame_test.h"

#include <vector>

namespace kelp::test {
namespace {

using Pages = FrameTest;

void Tick(MainFrame& f) {
  SendMessageW(f.hwnd(), WM_TIMER, kSlideTimer, 0);
}

TEST_F(Pages, SlideAwayAndBackRunTheirStepSequences) {
  MainFrame& f = Open();
  Command(ID_LEVEL2);
  EXPECT_EQ(f.toolBarState, 1);
  EXPECT_EQ(f.page, 1);
  std::vector<int> away{f.slideStep};
  while (f.toolBarState == 1) {
    Tick(f);
    away.push_back(f.slideStep);
  }
  const std::vector<int> expectedAway{-51, -46, -41, -36, -31, -26, -21, -16,
                                      -11, -6,  -1,  4,   9,   14,  0};
  EXPECT_EQ(away, expectedAway);  // 14 ticks; the last paint ends the slide
  EXPECT_EQ(f.toolBarState, 2);
  EXPECT_EQ(PixelAt(f, 100, 20), RGB(208, 208, 208));
  EXPECT_EQ(PixelAt(f, 100, 21), RGB(144, 144, 144));

  Command(ID_HOME);
  EXPECT_EQ(f.toolBarState, 3);
  EXPECT_EQ(f.page, -1);
  EXPECT_EQ(f.practicePhase, 0);
  int ticks = 0;
  EXPECT_EQ(f.slideStep, -21);
  while (f.toolBarState == 3) {
    Tick(f);
    ++ticks;
  }
  EXPECT_EQ(ticks, 16);
  EXPECT_EQ(f.slideStep, 0);
  EXPECT_EQ(PixelAt(f, 100, 55), RGB(208, 208, 208));
}

TEST_F(Pages, InterruptedSlidesRestartFromTheirFirstStep) {
  MainFrame& f = Open();
  Command(40014);  // Esc at home: nothing
  EXPECT_EQ(f.toolBarState, 0);
  EXPECT_EQ(f.slideStep, 0);

  Command(ID_LEVEL1);
  Tick(f);
  Tick(f);
  Command(ID_HOME);  // Esc while sliding away
  EXPECT_EQ(f.toolBarState, 3);
  EXPECT_EQ(f.slideStep, -21);
  Tick(f);
  Command(ID_LEVEL3);  // a page while sliding back
  EXPECT_EQ(f.toolBarState, 1);
  EXPECT_EQ(f.slideStep, -51);
  EXPECT_EQ(f.page, 2);
  Tick(f);
  Command(ID_LEVEL4);  // another page while sliding away
  EXPECT_EQ(f.slideStep, -51);
  EXPECT_EQ(f.page, 3);
  FinishSlide(f);
  EXPECT_EQ(f.toolBarState, 2);

  Command(ID_LEVEL5);  // page switch while hidden: no slide
  EXPECT_EQ(f.toolBarState, 2);
  EXPECT_EQ(f.slideStep, 0);
  EXPECT_EQ(f.page, 4);
  EXPECT_EQ(f.practicePhase, PhaseReady);
}

TEST_F(Pages, SlideRestoresOnlyTheStripBand) {
  MainFrame& f = Open();
  Command(ID_LEVEL2);
  const COLORREF background = PixelAt(f, 350, 300);
  const COLORREF marker = background ^ 0x00FFFFFF;
  {
    const HDC dc = GetDC(f.hwnd());
    SetPixel(dc, 350, 300, marker);
    SetPixel(dc, 350, 58, marker);
    ReleaseDC(f.hwnd(), dc);
  }
  Tick(f);
  EXPECT_EQ(PixelAt(f, 350, 300), marker);  // below the band: untouched
  EXPECT_NE(PixelAt(f, 350, 58), marker);   // inside the band: erased
  FinishSlide(f);
  EXPECT_EQ(PixelAt(f, 350, 300), background);
}

TEST_F(Pages, TimerDrivenSlideEndsOnItsOwn) {
  MainFrame& f = Open();
  Command(ID_LEVEL1);
  PumpFor(f, 1500);
  EXPECT_EQ(f.toolBarState, 2);
  EXPECT_EQ(f.practicePhase, PhaseReady);
  Command(ID_HOME);
  PumpFor(f, 1500);
  EXPECT_EQ(f.toolBarState, 0);
  EXPECT_EQ(f.slideStep, 0);
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
    EXPECT_EQ(f.page, level);
    FinishSlide(f);
  }
  press(VK_ESCAPE);
  EXPECT_EQ(f.toolBarState, 3);
  FinishSlide(f);
  EXPECT_EQ(f.toolBarState, 0);

  for (WPARAM key : {VK_INSERT, VK_LWIN, VK_RWIN}) {
    ShowWindow(f.hwnd(), SW_RESTORE);
    press(VK_F3);
    press(key);
    EXPECT_TRUE(IsIconic(f.hwnd())) << key;
  }
}

}  // namespace
}  // namespace kelp::test
