#include "pages/tip_view.h"

#include "platform/gbk.h"
#include "platform/gdi.h"

#include <cstdlib>
#include <string>

namespace kelp {

namespace {

// A point size for the screen, as a character height in pixels.
int PointsToPixels(HDC dc, int points) {
  return std::abs(MulDiv(GetDeviceCaps(dc, LOGPIXELSY), 10 * points, 720));
}

}  // namespace

void DrawTip(HDC windowDc, const FrameLayout& frame, int cyMenu, std::string_view gbkTip,
             COLORREF face, COLORREF text) {
  const int saved = SaveDC(windowDc);
  const Font font = CreateSongFont({-PointsToPixels(windowDc, TipPointSize(cyMenu)), 0, 400});
  if (font) SelectObject(windowDc, font.get());
  SetBkMode(windowDc, OPAQUE);
  SetBkColor(windowDc, face);
  SetTextColor(windowDc, text);
  const Rect r = TipRect(frame);
  FillSolid(windowDc, r.left, r.top, r.right, r.bottom, face);
  RECT box{r.left, r.top, r.right, r.bottom};
  const std::wstring wide = Widen(gbkTip);
  DrawTextW(windowDc, wide.c_str(), static_cast<int>(wide.size()), &box,
            DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  RestoreDC(windowDc, saved);
}

}  // namespace kelp
