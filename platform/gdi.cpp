#include "platform/gdi.h"

#include "platform/gbk.h"

#include <algorithm>

namespace kelp {

int& LiveGdiHandles() {
  static int count = 0;
  return count;
}

// Glyphs are drawn transparently over themselves on every repaint, so they must
// be pixel-stable: no antialiasing, whose edge pixels would darken each time.
Font CreateSongFont(FontSpec shape) {
  return Font(CreateFontW(shape.height, shape.width, 0, 0, shape.weight, FALSE, FALSE, FALSE, 0, 0,
                          0, NONANTIALIASED_QUALITY, 0, Widen("宋体").c_str()));
}

Bitmap LoadBitmapFile(std::string_view gbkPath) {
  if (gbkPath.empty()) return Bitmap();
  return Bitmap(static_cast<HBITMAP>(LoadImageW(nullptr, Widen(gbkPath).c_str(), IMAGE_BITMAP, 0, 0,
                                                LR_LOADFROMFILE | LR_DEFAULTSIZE)));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
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

void BlitBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
  if (!bitmap) return;
  MemoryDC memory(dc);
  ScopedSelect select(memory.get(), bitmap);
  BitBlt(dc, x, y, width, height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace kelp
