#include "platform/gdi.h"

#include "platform/gbk.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace kelp {

int& LiveGdiHandles() {
  static int count = 0;
  return count;
}

// Default quality: the system's smoothing. Every text goes onto an area erased or
// blitted afresh in the same paint, never over its own earlier glyphs.
HFONT NewSongFont(FontSpec shape) {
  return CreateFontW(shape.height, shape.width, 0, 0, shape.weight, FALSE, FALSE, FALSE, 0, 0, 0,
                     DEFAULT_QUALITY, 0, Widen("宋体").c_str());
}

Font CreateSongFont(FontSpec shape) {
  return Font(NewSongFont(shape));
}

HFONT SongFont(FontSpec shape) {
  static auto* const fonts = new std::map<std::tuple<int, int, int>, HFONT>;
  HFONT& font = (*fonts)[{shape.height, shape.width, shape.weight}];
  if (!font) font = NewSongFont(shape);
  return font;
}

Bitmap LoadBitmapFile(std::string_view gbkPath) {
  if (gbkPath.empty()) return Bitmap();
  return Bitmap(static_cast<HBITMAP>(LoadImageW(nullptr, Widen(gbkPath).c_str(), IMAGE_BITMAP, 0, 0,
                                                LR_LOADFROMFILE | LR_DEFAULTSIZE)));
}

Bitmap LoadBitmapResource(int id) {
  return Bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

HICON LoadIconResource(int id, int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                       size, size, LR_SHARED | (size ? 0 : LR_DEFAULTSIZE)));
}

Bitmap ScreenBitmap(int width, int height, const std::uint32_t* pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const WindowDC screen(nullptr, WindowDC::kClient);
  return Bitmap(
      CreateDIBitmap(screen.get(), &info.bmiHeader, CBM_INIT, pixels, &info, DIB_RGB_COLORS));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

void RepaintRegion::Add(const RECT& rect) {
  Region piece(CreateRectRgnIndirect(&rect));
  if (!region_)
    region_ = std::move(piece);
  else
    CombineRgn(region_.get(), region_.get(), piece.get(), RGN_OR);
}

void RepaintRegion::RepaintNow(HWND window) const {
  if (region_)
    RedrawWindow(window, nullptr, region_.get(), RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void FillSolid(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  const RECT rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                  std::max(top, bottom)};
  const COLORREF previous = SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, previous);
}

void Draw3dRect(HDC dc, int x, int y, int width, int height, COLORREF first, COLORREF second) {
  FillSolid(dc, x, y, x + width - 1, y + 1, first);
  FillSolid(dc, x, y, x + 1, y + height - 1, first);
  FillSolid(dc, x + width, y, x + width - 1, y + height, second);
  FillSolid(dc, x, y + height, x + width, y + height - 1, second);
}

void DrawTextAt(HDC dc, int x, int y, std::string_view gbk) {
  const std::wstring text = Widen(gbk);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

namespace {

// Copies the width x height block at (x, y) from `source`'s origin, only the part inside
// the DC's clip box: a keystroke's paint needs a few key frames of a 700 x 300 picture.
void CopyVisiblePart(HDC dc, int x, int y, int width, int height, HDC source) {
  RECT clip{};
  if (GetClipBox(dc, &clip) == NULLREGION) return;
  const RECT part{std::max<int>(x, clip.left), std::max<int>(y, clip.top),
                  std::min<int>(x + width, clip.right), std::min<int>(y + height, clip.bottom)};
  if (part.left >= part.right || part.top >= part.bottom) return;
  BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, source,
         part.left - x, part.top - y, SRCCOPY);
}

}  // namespace

void BlitBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
  if (!bitmap) return;
  MemoryDC memory(dc);
  ScopedSelect select(memory.get(), bitmap);
  CopyVisiblePart(dc, x, y, width, height, memory.get());
}

Picture::Picture(Bitmap bitmap) : bitmap_(std::move(bitmap)) {
  if (!bitmap_) return;
  size_ = BitmapSize(bitmap_.get());
  dc_ = CreateCompatibleDC(nullptr);
  ++LiveGdiHandles();
  previous_ = SelectObject(dc_, bitmap_.get());
}

Picture::Picture(Picture&& other) noexcept
    : bitmap_(std::move(other.bitmap_)),
      dc_(std::exchange(other.dc_, nullptr)),
      previous_(other.previous_),
      size_(std::exchange(other.size_, {})) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    Release();  // the bitmap leaves its DC before it goes
    bitmap_ = std::move(other.bitmap_);
    dc_ = std::exchange(other.dc_, nullptr);
    previous_ = other.previous_;
    size_ = std::exchange(other.size_, {});
  }
  return *this;
}

void Picture::Release() {
  if (!dc_) return;
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  --LiveGdiHandles();
  dc_ = nullptr;
}

void DrawPictureArea(HDC dc, const Picture& picture, int x, int y, int width, int height,
                     COLORREF plain) {
  const int covered = std::clamp<int>(picture.size().cx, 0, width);
  const int coveredHeight = std::clamp<int>(picture.size().cy, 0, height);
  if (covered > 0 && coveredHeight > 0)
    CopyVisiblePart(dc, x, y, covered, coveredHeight, picture.dc());
  if (covered < width) FillSolid(dc, x + covered, y, x + width, y + height, plain);
  if (coveredHeight < height) FillSolid(dc, x, y + coveredHeight, x + covered, y + height, plain);
}

}  // namespace kelp
