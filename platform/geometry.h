#pragma once

// Plain points and rectangles for models that must not see windows.h.
namespace kelp {

// Every page, the background picture and the tool strip are laid out for this
// client area; the frame sizes the window to it.
constexpr int kClientWidth = 700;
constexpr int kClientHeight = 450;

// Where every page writes its title.
constexpr int kPageTitleX = 300;
constexpr int kPageTitleY = 5;

struct Point {
  int x = 0;
  int y = 0;
};

// Left and top inside, right and bottom outside, as PtInRect counts them.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
};

}  // namespace kelp
