#include "app/tool_buttons.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

constexpr unsigned kNoKeys = 0;
constexpr unsigned kShift = 0x0004;  // MK_SHIFT
constexpr unsigned kRight = 0x0002;  // MK_RBUTTON

// Inside button i, away from its edges.
Point In(int button) {
  return {ToolButtonRect(button).left + 20, 20};
}
constexpr Point kGap{100, 20};  // between buttons 0 and 1
constexpr Point kBelow{60, 200};
constexpr Point kHint{60, 10};  // on the return hint and on button 0

// A click at `point`: press and release there.
ToolRelease Click(Point point, bool stripShown = true) {
  ToolButtons buttons;
  buttons.OnLButtonDown(kLeftButtonOnly, point, stripShown);
  return buttons.OnLButtonUp(point, stripShown);
}

TEST(ToolButtons, HitsCountLikePtInRectAndEachButtonFiresItsOwnAction) {
  for (int i = 0; i < kToolButtonCount; ++i) {
    const Rect r = ToolButtonRect(i);
    EXPECT_EQ(ToolButtonAt({r.left, r.top}), i);
    EXPECT_EQ(ToolButtonAt({r.right - 1, r.bottom - 1}), i);
    EXPECT_EQ(ToolButtonAt({r.right, r.top}) + ToolButtonAt({r.left, r.bottom}), -2) << i;
    EXPECT_EQ(ToolButtonAt({r.left - 1, 20}), -1);
    const ToolRelease release = Click(In(i));
    EXPECT_EQ(release.command, kToolButtons[i].command) << i;
    EXPECT_FALSE(release.returnHome);
  }
  EXPECT_EQ(ToolButtonAt({ToolButtonRect(kToolButtonCount - 1).left + kToolButtonPitch, 20}), -1);
  EXPECT_EQ(Click(In(0)).command, ID_LEVEL1);
  EXPECT_EQ(Click(In(8)).command, kEndNowCommand);
  EXPECT_EQ(Click(kGap).command, 0);
  EXPECT_EQ(Click(kBelow).command, 0);
}

// A release acts only after a press in the client area since the last release:
// not the end of a double-click that closed a dialog over the strip, not a second
// release, not one after the button came up outside the window.
TEST(ToolButtons, OnlyAReleaseAfterAPressActs) {
  ToolButtons buttons;
  EXPECT_EQ(buttons.OnLButtonUp(In(8), true).command, 0);
  EXPECT_FALSE(buttons.OnLButtonUp(kHint, false).returnHome);
  buttons.OnLButtonDown(kLeftButtonOnly, In(7), true);
  EXPECT_EQ(buttons.OnLButtonUp(In(7), true).command, ID_MINIMIZE);
  EXPECT_EQ(buttons.OnLButtonUp(In(7), true).command, 0);
  buttons.OnLButtonDown(kLeftButtonOnly, kBelow, true);
  buttons.OnMouseMove(kNoKeys, In(8), true);
  EXPECT_EQ(buttons.OnLButtonUp(In(8), true).command, 0);
  buttons.OnLButtonDown(kLeftButtonOnly, kBelow, false);
  EXPECT_TRUE(buttons.OnLButtonUp(kHint, false).returnHome);
}

TEST(ToolButtons, HoverSoundsOnceOnEntryAndFlattensOnLeaving) {
  for (int i = 0; i < kToolButtonCount; ++i) {
    ToolButtons fresh;
    fresh.OnMouseMove(kNoKeys, kGap, true);
    const ToolMouseChange entry = fresh.OnMouseMove(kNoKeys, In(i), true);
    EXPECT_EQ(entry.entered, i) << i;
    EXPECT_FALSE(entry.pressed) << i;
    EXPECT_EQ(entry.repaint, 1u << i) << i;
    EXPECT_EQ(fresh.offsets()[i], -1) << i;
  }
  ToolButtons buttons;
  buttons.OnMouseMove(kNoKeys, In(2), true);
  const ToolMouseChange inside = buttons.OnMouseMove(kNoKeys, {In(2).x + 19, 30}, true);
  EXPECT_EQ(inside.entered, -1);
  EXPECT_EQ(inside.repaint, 0u);
  // Straight on to the next button: one flattens, the other rises.
  const ToolMouseChange next = buttons.OnMouseMove(kNoKeys, In(3), true);
  EXPECT_EQ(next.entered, 3);
  EXPECT_TRUE(next.Repaints(2));
  EXPECT_TRUE(next.Repaints(3));
  EXPECT_EQ(buttons.offsets()[2], 0);
  // Into the gap: flat, without a sound; moving about there changes nothing more.
  const ToolMouseChange leave = buttons.OnMouseMove(kNoKeys, kGap, true);
  EXPECT_EQ(leave.entered, -1);
  EXPECT_EQ(leave.repaint, 1u << 3);
  for (int offset : buttons.offsets()) EXPECT_EQ(offset, 0);
  EXPECT_EQ(buttons.OnMouseMove(kNoKeys, {kGap.x + 5, 40}, true).repaint, 0u);
}

TEST(ToolButtons, OnlyTheLeftButtonAloneGivesThePressedLook) {
  for (unsigned flags :
       {kLeftButtonOnly, kLeftButtonOnly | kShift, kLeftButtonOnly | kRight, kNoKeys}) {
    ToolButtons buttons;
    const bool pressed = flags == kLeftButtonOnly;
    EXPECT_EQ(buttons.OnMouseMove(flags, In(1), true).pressed, pressed) << flags;
    EXPECT_EQ(buttons.offsets()[1], pressed ? 1 : -1) << flags;
  }
}

TEST(ToolButtons, PressingAHoveredButtonEntersItAgainPressed) {
  ToolButtons buttons;
  buttons.OnMouseMove(kNoKeys, In(3), true);
  const ToolMouseChange press = buttons.OnLButtonDown(kLeftButtonOnly, In(3), true);
  EXPECT_EQ(press.entered, 3);
  EXPECT_TRUE(press.pressed);
  EXPECT_EQ(press.repaint, 1u << 3);  // sound again
  EXPECT_EQ(buttons.offsets()[3], 1);
  // Released, the button stays pressed until the pointer leaves it.
  EXPECT_EQ(buttons.OnLButtonUp(In(3), true).command, ID_LEVEL4);
  EXPECT_EQ(buttons.OnMouseMove(kNoKeys, {In(3).x + 1, 21}, true).repaint, 0u);
  EXPECT_EQ(buttons.offsets()[3], 1);
  EXPECT_EQ(buttons.OnMouseMove(kNoKeys, kBelow, true).repaint, 1u << 3);
  EXPECT_EQ(buttons.offsets()[3], 0);
}

TEST(ToolButtons, PressOutsideDragOntoAButtonAndReleaseThereFiresIt) {
  ToolButtons buttons;
  buttons.OnMouseMove(kNoKeys, kBelow, true);
  const ToolMouseChange press = buttons.OnLButtonDown(kLeftButtonOnly, kBelow, true);
  EXPECT_EQ(press.repaint, 0u);
  EXPECT_EQ(press.entered, -1);
  const ToolMouseChange drag = buttons.OnMouseMove(kLeftButtonOnly, In(6), true);
  EXPECT_EQ(drag.entered, 6);
  EXPECT_TRUE(drag.pressed);
  EXPECT_EQ(buttons.OnLButtonUp(In(6), true).command, ID_SETTINGS);
}

TEST(ToolButtons, AwayFromTheHomePageMovesOnlyTrackThePointerAndOnlyTheHintAnswers) {
  ToolButtons buttons;
  for (Point p : {kBelow, In(0)}) EXPECT_EQ(buttons.OnMouseMove(kNoKeys, p, false).repaint, 0u);
  // The pointer was followed: moving on inside the button it is on enters nothing.
  EXPECT_EQ(buttons.OnMouseMove(kNoKeys, {In(0).x + 1, In(0).y}, true).entered, -1);
  const ToolMouseChange press = buttons.OnLButtonDown(kLeftButtonOnly, In(8), false);
  EXPECT_EQ(press.entered, -1);
  EXPECT_EQ(press.repaint, 0u);
  for (int offset : buttons.offsets()) EXPECT_EQ(offset, 0);
  // (50, 10) lies on the hint and on the first button: the strip's state decides.
  EXPECT_TRUE(Click({50, 10}, false).returnHome);
  EXPECT_EQ(Click({50, 10}, false).command, 0);
  EXPECT_FALSE(Click({50, 10}, true).returnHome);
  EXPECT_EQ(Click({50, 10}, true).command, ID_LEVEL1);
  // The hint answers over (30, 5) to (119, 14).
  for (Point p : {Point{30, 5}, Point{119, 14}}) EXPECT_TRUE(Click(p, false).returnHome);
  for (Point p : {Point{29, 10}, Point{120, 10}, Point{50, 4}, Point{50, 15}})
    EXPECT_FALSE(Click(p, false).returnHome);
}

TEST(ToolButtons, AButtonLeftPressedWhileAPageWasOpenIsFlattenedByTheFirstMove) {
  ToolButtons buttons;
  buttons.OnMouseMove(kNoKeys, In(5), true);
  buttons.OnLButtonDown(kLeftButtonOnly, In(5), true);
  // The score sheet opens; the pointer wanders off while the strip is away.
  buttons.OnMouseMove(kNoKeys, {300, 300}, false);
  EXPECT_EQ(buttons.offsets()[5], 1);
  // Back home, the first move repaints that button flat though the pointer was not on it.
  const ToolMouseChange first = buttons.OnMouseMove(kNoKeys, {310, 300}, true);
  EXPECT_EQ(first.repaint, 1u << 5);
  EXPECT_EQ(first.entered, -1);
  EXPECT_EQ(buttons.offsets()[5], 0);
}

}  // namespace
}  // namespace kelp
