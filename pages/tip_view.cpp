#include "pages/tip_view.h"

#include "platform/gbk.h"
#include "platform/gdi.h"

#include <cstdlib>
#include <string>

namespace kelp {

namespace {

// The tip's character height in pixels on this screen.
int TipPixels(HDC dc, int cyMenu) {
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  return std::abs(MulDiv(dpi, 10 * TipPointSize(cyMenu, dpi), 720));
}

}  // namespace

void DrawTip(HDC windowDc, const FrameLayout& frame, int cyMenu, std::string_view gbkTip,
             COLORREF face, COLORREF text) {
  const int saved = SaveDC(windowDc);
  if (const HFONT font = SongFont({-TipPixels(windowDc, cyMenu), 0, 400}))
    SelectObject(windowDc, font);
  SetBkMode(windowDc, OPAQUE);
  SetBkColor(windowDc, face);
  SetTextColor(windowDc, text);
  const Rect r = TipRect(frame);
  FillSolid(windowDc, r.left, r.top, r.right, r.bottom, face);
  RECT box = ToRECT(r);
  const std::wstring wide = Widen(gbkTip);
  DrawTextW(windowDc, wide.c_str(), static_cast<int>(wide.size()), &box,
            DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  RestoreDC(windowDc, saved);
}

}  // namespace kelp
