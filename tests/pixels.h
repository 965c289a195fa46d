#pragma once

#include "appearance/bitmap_format.h"
#include "platform/gdi.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelp::test {

// Pixels of `color` in `area` of a DC, or of a window's client area.
inline int CountColor(HDC dc, RECT area, COLORREF color) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += GetPixel(dc, x, y) == color;
  return count;
}
inline int CountColor(HWND window, RECT area, COLORREF color) {
  const HDC dc = GetDC(window);
  const int count = CountColor(dc, area, color);
  ReleaseDC(window, dc);
  return count;
}

// A surface in memory, filled with one colour, to draw views on.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill)
      : dc_(nullptr),
        bitmap_(CreateCompatibleBitmap(WindowDC(nullptr, WindowDC::kClient).get(), width, height)),
        select_(dc_.get(), bitmap_.get()) {
    FillSolid(dc_.get(), 0, 0, width, height, fill);
  }
  HDC dc() const { return dc_.get(); }
  COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }
  int Count(RECT area, COLORREF color) const { return CountColor(dc_.get(), area, color); }

 private:
  MemoryDC dc_;
  Bitmap bitmap_;
  ScopedSelect select_;
};

// The client area of a window as 32-bit pixels, top row first.
inline std::vector<std::uint32_t> ClientPixels(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const WindowDC source(window, WindowDC::kClient);
  Bitmap copy(CreateCompatibleBitmap(source.get(), client.right, client.bottom));
  MemoryDC dc(source.get());
  {
    ScopedSelect select(dc.get(), copy.get());
    BitBlt(dc.get(), 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(client.right) * client.bottom);
  GetDIBits(dc.get(), copy.get(), 0, client.bottom, pixels.data(), &info, DIB_RGB_COLORS);
  return pixels;
}

// One pixel of a bitmap.
inline COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  MemoryDC dc(nullptr);
  ScopedSelect select(dc.get(), bitmap);
  return GetPixel(dc.get(), x, y);
}

// A 24-bit bottom-up BMP file of one colour; only its headers when `pixels` is false.
inline std::string BmpFile(int width, int height, COLORREF color = RGB(64, 64, 64),
                           bool pixels = true) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  std::string bytes = bmp::Headers(width, height, 24, BI_RGB, stride * height);
  if (!pixels) return bytes;
  std::string row;
  for (int x = 0; x < width; ++x)
    row += {char(GetBValue(color)), char(GetGValue(color)), char(GetRValue(color))};
  row.resize(stride, '\0');
  for (int y = 0; y < height; ++y) bytes += row;
  return bytes;
}

// An 8-bit run-length encoded BMP file: the palette index of each pixel (x, y from
// the top) as runs, pixels of index -1 skipped by deltas.
template <typename Index>
std::string Rle8BmpFile(int width, int height, const std::vector<COLORREF>& palette, Index index) {
  std::string stream;
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0, run = 1; x < width; x += run, run = 1) {
      const int value = index(x, y);
      while (x + run < width && run < 255 && index(x + run, y) == value) ++run;
      stream += value < 0 ? std::string{0, 2, char(run), 0} : std::string{char(run), char(value)};
    }
    stream += std::string{0, 0};
  }
  stream += std::string{0, 1};
  std::string bytes = bmp::Headers(width, height, 8, BI_RLE8, std::uint32_t(stream.size()),
                                   std::uint32_t(palette.size()));
  for (COLORREF color : palette)
    bytes += {char(GetBValue(color)), char(GetGValue(color)), char(GetRValue(color)), 0};
  return bytes + stream;
}

}  // namespace kelp::test
