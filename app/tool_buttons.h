#pragma once

#include "platform/geometry.h"
#include "resources/resource_ids.h"

#include <array>

// The nine tool buttons of the home page as the mouse sees them: hit rectangles,
// hover and press offsets, and what a release does. No drawing here; each call
// says which rectangles to repaint, whether a button was entered (its sound and
// its frame) and which action fires.
namespace kelp {

// MK_LBUTTON in a mouse message's key state.
constexpr unsigned kLeftButtonDown = 0x0001;
// The mouse-key state that gives the pressed look: the left button and nothing else
// (Shift or Ctrl held too gives the raised look).
constexpr unsigned kLeftButtonOnly = kLeftButtonDown;

// Ends the program at once, with no question: the exit button and the power glyph.
// No menu item carries it.
constexpr int kEndNowCommand = 0x7F00;

constexpr int kToolButtonCount = 9;
// Icons and hit rectangles step this far from one button to the next.
constexpr int kToolButtonPitch = 70;

struct ToolButtonInfo {
  const char* label;  // GBK
  int labelOffset;    // from the strip's origin; the icon sits at kToolButtonPitch * index
  int iconId;
  int command;  // run on a release, as from the menu
};

// Left to right.
inline constexpr ToolButtonInfo kToolButtons[kToolButtonCount] = {
    {"入门练习", -8, IDI_LEVEL1, ID_LEVEL1},  {"中等练习", 63, IDI_LEVEL2, ID_LEVEL2},
    {"高级练习", 133, IDI_LEVEL3, ID_LEVEL3}, {"专家练习", 203, IDI_LEVEL4, ID_LEVEL4},
    {"小键盘", 280, IDI_LEVEL5, ID_LEVEL5},   {"成绩单", 350, IDI_SCORE_SHEET, ID_SCORE_SHEET},
    {"设置", 425, IDI_SETTINGS, ID_SETTINGS}, {"最小化", 490, IDI_MINIMIZE, ID_MINIMIZE},
    {"退出", 565, IDI_EXIT, kEndNowCommand},
};

// Client coordinates; they stay put while the strip slides.
Rect ToolButtonRect(int button);
// The button under `point`, or -1.
int ToolButtonAt(Point point);

// The hint "按 [ESC] 键返回" that a click leaves a page by.
inline constexpr Rect kReturnHintRect{30, 5, 120, 15};

struct ToolMouseChange {
  unsigned repaint = 0;  // bit i: repaint button i's rectangle now, with its new offset
  int entered = -1;      // the button just entered: play the selection sound, draw its frame
  bool pressed = false;  // the entered button looks pressed (else raised)

  bool Repaints(int button) const { return (repaint >> button) & 1u; }
};

struct ToolRelease {
  bool returnHome = false;  // the release lay on the return hint of a page
  int command = 0;          // the released button's command, or 0
};

class ToolButtons {
 public:
  // Per button: 0 flat, -1 raised (hover), +1 pressed.
  const std::array<int, kToolButtonCount>& offsets() const { return offsets_; }

  // `stripShown`: the strip is at rest on the home page. Otherwise only the pointer
  // position is remembered.
  ToolMouseChange OnMouseMove(unsigned flags, Point point, bool stripShown);
  // A press on a button enters it afresh: the pressed look and the sound again.
  // Any press in the client area arms the next release.
  ToolMouseChange OnLButtonDown(unsigned flags, Point point, bool stripShown);
  // Only a release after such a press acts: one that ends a click begun in
  // another window (a dialog closed by a double-click) does nothing. The button
  // keeps its offset after the release; leaving it flattens it.
  ToolRelease OnLButtonUp(Point point, bool stripShown);

 private:
  std::array<int, kToolButtonCount> offsets_{};
  Point lastMouse_{};
  bool pressed_ = false;
};

}  // namespace kelp
