// Painting the program's own caption: picture, title, frame lines, power glyph.
#include "app/caption_view.h"

#include "appearance/skin_table.h"
#include "pages/tips.h"
#include "platform/gbk.h"
#include "program_texts.h"
#include "resource_ids.h"

#include <string>

namespace kelp {

namespace {

// The trailing spaces move the centred title a little to the left.
constexpr char kTitleShift[] = "     ";

constexpr COLORREF kPictureLight = RGB(255, 255, 255);
constexpr COLORREF kPictureShadow = RGB(96, 96, 96);
constexpr COLORREF kOuterLine = RGB(176, 176, 176);

}  // namespace

COLORREF TitleTextColor(int skin) {
  return SkinAt(skin).titleColor;
}

void PaintTitleBar(HDC windowDc, const TitleBar& bar) {
  const int saved = SaveDC(windowDc);
  const int w = bar.frame.windowWidth;
  const int h = bar.frame.windowHeight;
  const Rect& caption = bar.frame.caption;
  if (bar.captionFont) SelectObject(windowDc, bar.captionFont);

  // One row short of the caption: the frame may leave more rows above the menu bar.
  const int pictureHeight = bar.cyCaption - 1;
  BlitBitmap(windowDc, bar.captionPicture, caption.left, caption.top, caption.width(),
             pictureHeight);
  Draw3dRect(windowDc, caption.left, caption.top, caption.width(), pictureHeight, kPictureLight,
             kPictureShadow);
  Draw3dRect(windowDc, 1, 1, w - 2, h - 2, bar.colorBtnFace, bar.colorBtnFace);

  SetBkMode(windowDc, TRANSPARENT);
  SetTextColor(windowDc, bar.titleColor);
  RECT titleRect{0, caption.top + 1, w, caption.top + 1 + bar.cyMenu};
  const std::wstring title = Widen(std::string(kProgramTitle) + kTitleShift);
  DrawTextW(windowDc, title.c_str(), static_cast<int>(title.size()), &titleRect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  Draw3dRect(windowDc, 0, 0, w, h, kOuterLine, kOuterLine);

  const Rect glyph = PowerGlyphBox(bar.frame);
  BlitBitmap(windowDc, bar.powerGlyph, glyph.left, glyph.top, glyph.width(), glyph.height());
  RestoreDC(windowDc, saved);
}

}  // namespace kelp
