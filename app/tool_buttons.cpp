// The tool buttons as the mouse meets them: hits, hover and press, releases.
#include "app/tool_buttons.h"

namespace kelp {

namespace {

constexpr Rect kFirstButton{40, 3, 92, 54};

}  // namespace

Rect ToolButtonRect(int button) {
  const int shift = kToolButtonPitch * button;
  return {kFirstButton.left + shift, kFirstButton.top, kFirstButton.right + shift,
          kFirstButton.bottom};
}

int ToolButtonAt(Point point) {
  for (int i = 0; i < kToolButtonCount; ++i) {
    if (ToolButtonRect(i).Contains(point)) return i;
  }
  return -1;
}

ToolMouseChange ToolButtons::OnMouseMove(unsigned flags, Point point, bool stripShown) {
  ToolMouseChange change;
  const int now = ToolButtonAt(point);
  const int before = ToolButtonAt(lastMouse_);
  lastMouse_ = point;
  // The left button came up outside the window: that press is over.
  if ((flags & kLeftButtonDown) == 0) pressed_ = false;
  if (!stripShown || (now >= 0 && now == before)) return change;
  // Every displaced button is repainted flat, not only the one the pointer left: a
  // button clicked before a page opened keeps its offset until the strip is back.
  for (int i = 0; i < kToolButtonCount; ++i) {
    if (offsets_[i] != 0 || i == before) change.repaint |= 1u << i;
    offsets_[i] = 0;
  }
  if (now >= 0) {
    change.entered = now;
    change.pressed = flags == kLeftButtonOnly;
    change.repaint |= 1u << now;
    offsets_[now] = change.pressed ? 1 : -1;
  }
  return change;
}

ToolMouseChange ToolButtons::OnLButtonDown(unsigned flags, Point point, bool stripShown) {
  pressed_ = true;
  if (ToolButtonAt(point) < 0) return {};
  lastMouse_.x = 0;  // no button reaches x 0: the button counts as newly entered
  return OnMouseMove(flags, point, stripShown);
}

ToolRelease ToolButtons::OnLButtonUp(Point point, bool stripShown) {
  ToolRelease release;
  if (!pressed_) return release;
  pressed_ = false;
  if (!stripShown) {
    release.returnHome = kReturnHintRect.Contains(point);
    return release;
  }
  if (const int button = ToolButtonAt(point); button >= 0)
    release.command = kToolButtons[button].command;
  return release;
}

}  // namespace kelp
