#include "pages/page_text.h"

namespace kelp {

PageTextStyle::PageTextStyle(HDC dc, COLORREF color)
    : dc_(dc),
      selectFont_(dc, SongFont(kPageFont)),
      previousColor_(SetTextColor(dc, color)),
      previousMode_(SetBkMode(dc, TRANSPARENT)) {}

PageTextStyle::~PageTextStyle() {
  SetBkMode(dc_, previousMode_);
  SetTextColor(dc_, previousColor_);
}

}  // namespace kelp
