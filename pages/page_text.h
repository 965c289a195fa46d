#pragma once

#include "platform/gdi.h"
#include "platform/geometry.h"

#include <windows.h>

// The text style of the information pages: the page font, transparent, in one
// colour. The DC gets its previous font, colour and background mode back.
namespace kelp {


class PageTextStyle {
 public:
  PageTextStyle(HDC dc, COLORREF color);
  ~PageTextStyle();
  PageTextStyle(const PageTextStyle&) = delete;
  PageTextStyle& operator=(const PageTextStyle&) = delete;

 private:
  HDC dc_;
  ScopedSelect selectFont_;
  COLORREF previousColor_;
  int previousMode_;
};

}  // namespace kelp
