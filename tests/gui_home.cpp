#include "app/caption_view.h"
#include "app/tool_button_view.h"
#include "app/tool_buttons.h"
#include "pages/tip_view.h"
#include "platform/dwm.h"
#include "resource_ids.h"
#include "tests/frame_test.h"

#include <windows.h>

namespace kelp::test {
namespace {

class HomePieces : public FrameTest {
 protected:
  static SIZE WindowSize(const MainFrame& f) {
    RECT window{};
    GetWindowRect(f.hwnd(), &window);
    return {window.right - window.left, window.bottom - window.top};
  }
  TitleBar Bar(const MainFrame& f, HBITMAP picture, COLORREF title) const {
    const SystemMetrics& m = f.metrics();
    return {WindowSize(f).cx, WindowSize(f).cy,    m.cyCaption, m.cyMenu, m.cyBorder,
            m.colorBtnFace,   m.captionFont.get(), picture,     title,    f.powerGlyph()};
  }
  MenuRowMetrics Row(const MainFrame& f) const {
    const SystemMetrics& m = f.metrics();
    return {WindowSize(f).cx, m.cyCaption, m.cyMenu, m.cyBorder};
  }
};

COLORREF WindowPixel(HWND window, int x, int y) {
  WindowDC dc(window, WindowDC::kWholeWindow);
  return GetPixel(dc.get(), x, y);
}

// The pixels of a resource bitmap, read back through a memory DC.
class BitmapPixels {
 public:
  explicit BitmapPixels(HBITMAP bitmap)
      : screen_(nullptr, WindowDC::kClient), memory_(screen_.get()) {
    previous_ = SelectObject(memory_.get(), bitmap);
  }
  ~BitmapPixels() { SelectObject(memory_.get(), previous_); }
  COLORREF At(int x, int y) const { return GetPixel(memory_.get(), x, y); }

 private:
  WindowDC screen_;
  MemoryDC memory_;
  HGDIOBJ previous_;
};

TEST_F(HomePieces, CaptionPicturesAndTitleColoursBySkin) {
  const SIZE sizes[4] = {{750, 39}, {750, 45}, {750, 39}, {730, 36}};
  for (int skin = 0; skin < 4; ++skin) {
    const Bitmap picture = LoadCaptionBitmap(skin);
    ASSERT_TRUE(picture) << skin;
    EXPECT_EQ(BitmapSize(picture.get()).cx, sizes[skin].cx);
    EXPECT_EQ(BitmapSize(picture.get()).cy, sizes[skin].cy);
  }
  EXPECT_EQ(TitleTextColor(0), RGB(240, 240, 240));
  EXPECT_EQ(TitleTextColor(1), RGB(255, 255, 255));
  EXPECT_EQ(TitleTextColor(2), RGB(120, 50, 20));
  EXPECT_EQ(TitleTextColor(3), RGB(0, 0, 0));
  EXPECT_FALSE(LoadCaptionBitmap(4));
  EXPECT_FALSE(LoadCaptionBitmap(-1));
  EXPECT_EQ(TitleTextColor(4), RGB(0, 0, 0));
}

TEST_F(HomePieces, TitleBarOnTheRealWindowFramesPictureTitleAndGlyph) {
  MainFrame& f = Open();
  DisableCompositorFrame(f.hwnd());  // no compositor under Wine: nothing changes
  const int w = WindowSize(f).cx;
  const int h = WindowSize(f).cy;
  const int b = f.metrics().cyBorder;
  const int cy = f.metrics().cyCaption;
  const COLORREF magenta = RGB(255, 0, 255);
  const Bitmap picture = LoadCaptionBitmap(1);
  {
    WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
    PaintTitleBar(dc.get(), Bar(f, picture.get(), magenta));
  }
  const HWND window = f.hwnd();
  // The outer line, then the button-face line inside it.
  for (POINT p : {POINT{0, 0}, POINT{w - 1, h - 1}, POINT{0, h / 2}, POINT{w / 2, h - 1}})
    EXPECT_EQ(WindowPixel(window, p.x, p.y), RGB(176, 176, 176)) << p.x << "," << p.y;
  EXPECT_EQ(WindowPixel(window, 1, h / 2), f.metrics().colorBtnFace);
  EXPECT_EQ(WindowPixel(window, w - 2, h / 2), f.metrics().colorBtnFace);
  // The picture, raised by a white and a dark line.
  EXPECT_EQ(WindowPixel(window, 3 * b + 5, 3 * b), RGB(255, 255, 255));
  EXPECT_EQ(WindowPixel(window, w - 3 * b - 1, 3 * b + 5), RGB(96, 96, 96));
  EXPECT_EQ(WindowPixel(window, 3 * b + 5, 3 * b + cy - 2), RGB(96, 96, 96));
  {
    BitmapPixels source(picture.get());
    for (int x : {10, 60, 150, 600, 690})
      EXPECT_EQ(WindowPixel(window, 3 * b + x, 3 * b + 6), source.At(x, 6)) << x;
  }
  // The title, centred a little left of the middle by its trailing spaces.
  int left = w;
  int right = -1;
  {
    WindowDC dc(window, WindowDC::kWholeWindow);
    for (int y = 3 * b; y < 3 * b + cy; ++y)
      for (int x = 0; x < w; ++x)
        if (GetPixel(dc.get(), x, y) == magenta) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
  }
  ASSERT_LT(left, right);
  EXPECT_NEAR((left + right) / 2, w / 2 - 15, 4);
  // The power glyph at the right end of the menu bar, exactly the resource's pixels.
  const Rect glyph = PowerGlyphBox(Row(f));
  const Bitmap power(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_POWER)));
  BitmapPixels glyphPixels(power.get());
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(WindowPixel(window, glyph.left + x, glyph.top + y), glyphPixels.At(x, y));
}

TEST_F(HomePieces, WithoutAPictureTheTitleStillGoesOnTheDefaultCaption) {
  MainFrame& f = Open();
  WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
  PaintTitleBar(dc.get(), Bar(f, LoadCaptionBitmap(9).get(), TitleTextColor(9)));
  EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(176, 176, 176));
  EXPECT_EQ(GetPixel(dc.get(), 10, 3 * f.metrics().cyBorder), RGB(255, 255, 255));
}

TEST_F(HomePieces, TipsStayInTheirRectangleClearOfTheGlyph) {
  MainFrame& f = Open();
  const MenuRowMetrics row = Row(f);
  const Rect tip = TipRect(row);
  const Rect glyph = PowerGlyphBox(row);
  ASSERT_EQ(glyph.left - tip.right, 2);
  const COLORREF face = RGB(236, 233, 216);
  const COLORREF ink = RGB(10, 20, 160);
  WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
  const Bitmap picture = LoadCaptionBitmap(0);
  PaintTitleBar(dc.get(), Bar(f, picture.get(), TitleTextColor(0)));
  // What lies right of the tip rectangle and round the glyph before any tip is drawn.
  std::vector<COLORREF> before;
  for (int y = tip.top - 1; y <= tip.bottom; ++y)
    for (int x = tip.right; x < glyph.right + 2; ++x) before.push_back(GetPixel(dc.get(), x, y));
  const auto unchanged = [&] {
    size_t i = 0;
    for (int y = tip.top - 1; y <= tip.bottom; ++y)
      for (int x = tip.right; x < glyph.right + 2; ++x)
        if (GetPixel(dc.get(), x, y) != before[i++]) return false;
    return true;
  };
  const auto inkColumns = [&](int& first, int& last, int& top, int& bottom) {
    first = top = 10000;
    last = bottom = -1;
    for (int y = tip.top - 1; y <= tip.bottom; ++y)
      for (int x = tip.left - 1; x <= tip.right; ++x)
        if (GetPixel(dc.get(), x, y) == ink) {
          first = std::min(first, x);
          last = std::max(last, x);
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
  };

  // The longest tip, right-aligned against the rectangle's end.
  DrawTip(dc.get(), row, kTipTexts[2], face, ink);
  int first, last, top, bottom;
  inkColumns(first, last, top, bottom);
  EXPECT_TRUE(unchanged());
  EXPECT_LT(last, tip.right);
  EXPECT_GE(last, tip.right - 8);
  EXPECT_GE(top, tip.top);
  EXPECT_LT(bottom, tip.bottom);
  EXPECT_LE(bottom - top + 1, 13);  // nine points on a 96 dpi screen: 12 pixels
  EXPECT_EQ(GetPixel(dc.get(), tip.left, tip.top), face);

  // A shorter tip replaces it entirely.
  DrawTip(dc.get(), row, kTipTexts[10], face, ink);
  int shortFirst, shortLast;
  inkColumns(shortFirst, shortLast, top, bottom);
  EXPECT_GT(shortFirst, first + 50);
  EXPECT_EQ(GetPixel(dc.get(), first + 2, (tip.top + tip.bottom) / 2), face);

  // Far too long a text is cut at the rectangle, never drawn over the glyph.
  DrawTip(dc.get(), row, std::string(200, 'W'), face, ink);
  inkColumns(first, last, top, bottom);
  EXPECT_TRUE(unchanged());
  EXPECT_GE(first, tip.left);
  EXPECT_LT(last, tip.right);
}

TEST_F(HomePieces, ButtonFramesRaisedForAHoverSunkenForAPress) {
  MainFrame& f = Open();
  const Rect r = ToolButtonRect(4);
  WindowDC dc(f.hwnd(), WindowDC::kClient);
  DrawToolButtonFrame(dc.get(), 4, false);
  EXPECT_EQ(GetPixel(dc.get(), r.left, r.top + 10), RGB(224, 224, 224));
  EXPECT_EQ(GetPixel(dc.get(), r.left + 10, r.top), RGB(224, 224, 224));
  EXPECT_EQ(GetPixel(dc.get(), r.right - 1, r.top + 10), RGB(96, 96, 96));
  EXPECT_EQ(GetPixel(dc.get(), r.left + 10, r.bottom - 1), RGB(96, 96, 96));
  DrawToolButtonFrame(dc.get(), 4, true);
  EXPECT_EQ(GetPixel(dc.get(), r.left, r.top + 10), RGB(96, 96, 96));
  EXPECT_EQ(GetPixel(dc.get(), r.right - 1, r.bottom - 1), RGB(224, 224, 224));
  EXPECT_NE(GetPixel(dc.get(), r.right, r.top + 10), RGB(224, 224, 224));
}

}  // namespace
}  // namespace kelp::test
