#include "app/tool_buttons.h"
#include "resource_ids.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"

namespace kelp::test {
namespace {

class HomeFrame : public FrameTest {
 protected:
  void Mouse(UINT message, WPARAM flags, int button) {
    const Rect area = ToolButtonRect(button);
    const int x = (area.left + area.right) / 2, y = (area.top + area.bottom) / 2;
    SendMessageW(frame->hwnd(), message, flags, MAKELPARAM(x, y));
  }
};

TEST_F(HomeFrame, ToolButtonsHoverPressAndOpenTheirPageOnRelease) {
  MainFrame& f = Open();
  Mouse(WM_MOUSEMOVE, 0, 2);
  EXPECT_EQ(f.toolButtons().offsets()[2], -1);
  Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 2);
  EXPECT_EQ(f.toolButtons().offsets()[2], 1);
  Mouse(WM_LBUTTONUP, 0, 2);
  EXPECT_EQ(f.page(), LevelPage(2));
  EXPECT_EQ(f.slide().state(), StripState::SlidingAway);
  FinishSlide(f);
  // A click on the hint goes home.
  SendMessageW(f.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
  EXPECT_EQ(f.slide().state(), StripState::SlidingBack);
}

TEST_F(HomeFrame, ExitButtonAndPowerGlyphEndTheProgramCleanly) {
  MainFrame& f = Open();
  Mouse(WM_LBUTTONUP, 0, 8);
  EXPECT_FALSE(IsWindow(f.hwnd()));
  frame.reset();

  MainFrame& g = Open();
  POINT glyph{694, -GetSystemMetrics(SM_CYMENU) / 2};
  ClientToScreen(g.hwnd(), &glyph);
  SendMessageW(g.hwnd(), WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(glyph.x, glyph.y));
  EXPECT_FALSE(IsWindow(g.hwnd()));
}

TEST_F(HomeFrame, ScoreSheetShowsTheHistoriesReadWhenItOpens) {
  for (float score : {20.0f, 80.0f, 50.0f}) AppendScore(folder.path(), 1, score);
  MainFrame& f = Open();
  Command(ID_SCORE_SHEET);
  FinishSlide(f);
  ASSERT_EQ(f.page(), Page::ScoreSheet);
  int lineColour = 0;
  for (int y = 60; y < 450; ++y)
    for (int x = 0; x < 700; x += 2) lineColour += PixelAt(f, x, y) == f.palette().level[1];
  EXPECT_GT(lineColour, 40);
}

TEST_F(HomeFrame, OnlyTheTipTimerTurnsTheTips) {
  MainFrame& f = Open();
  const int first = f.tips().index();
  SendMessageW(f.hwnd(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(f.hwnd(), WM_MOVE, 0, 0);
  RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(f.tips().index(), first);
  SendMessageW(f.hwnd(), WM_TIMER, kTipTimer, 0);
  EXPECT_EQ(f.tips().index(), (first + 1) % 13);
}

}  // namespace
}  // namespace kelp::test
