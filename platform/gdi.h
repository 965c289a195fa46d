#pragma once

#include "platform/geometry.h"

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <utility>

// Scoped owners for GDI objects and device contexts.
namespace kelp {

inline RECT ToRECT(const Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// GDI objects and DCs held by the wrappers below right now (for leak checks).
int& LiveGdiHandles();

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {
    if (handle_) ++LiveGdiHandles();
  }
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  // The handle moves with its count: only the old one is released.
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) {
      DeleteObject(handle_);
      --LiveGdiHandles();
    }
    handle_ = handle;
    if (handle_) ++LiveGdiHandles();
  }

 private:
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Region = GdiObject<HRGN>;

// Rectangles repainted together: one request to the window system and one paint,
// erased and drawn before RepaintNow returns.
class RepaintRegion {
 public:
  void Add(const RECT& rect);
  void RepaintNow(HWND window) const;

 private:
  Region region_;
};

class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

class MemoryDC {
 public:
  explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) { ++LiveGdiHandles(); }
  ~MemoryDC() {
    DeleteDC(dc_);
    --LiveGdiHandles();
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// GetDC / GetWindowDC, released on scope exit.
class WindowDC {
 public:
  enum Area { kClient, kWholeWindow };
  WindowDC(HWND window, Area area)
      : window_(window), dc_(area == kClient ? GetDC(window) : GetWindowDC(window)) {
    ++LiveGdiHandles();
  }
  ~WindowDC() {
    ReleaseDC(window_, dc_);
    --LiveGdiHandles();
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

struct FontSpec {
  int height;
  int width;
  int weight;
};

// The page font: hints, titles, labels and the result line.
constexpr FontSpec kPageFont{12, 6, 400};

// "宋体", character set 0, every other field at its default.
Font CreateSongFont(FontSpec shape);
// The same font made on first use and kept while the program runs: the pages ask
// for the same few shapes on every paint. Not to be deleted.
HFONT SongFont(FontSpec shape);
Bitmap LoadBitmapFile(std::string_view gbkPath);
Bitmap LoadBitmapResource(int id);
// An icon of the program's resources at `size` pixels, or at the system's icon size for
// 0; shared, so never destroyed.
HICON LoadIconResource(int id, int size = 0);
// A bitmap in the screen's format from 32-bit pixels (0x00RRGGBB), rows top down.
Bitmap ScreenBitmap(int width, int height, const std::uint32_t* pixels);
SIZE BitmapSize(HBITMAP bitmap);

void FillSolid(HDC dc, int left, int top, int right, int bottom, COLORREF color);
// The framework's 3-D bar: top/left lines in `first`, bottom/right in `second`.
void Draw3dRect(HDC dc, int x, int y, int width, int height, COLORREF first, COLORREF second);
void DrawTextAt(HDC dc, int x, int y, std::string_view gbk);
// Copies the top-left width x height block of `bitmap` to (x, y); an empty bitmap copies nothing.
void BlitBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);
// A bitmap kept selected into a memory DC of its own, its size read once: drawing it
// in a paint is one blit, with no DC made and no bitmap selected on the way.
class Picture {
 public:
  Picture() = default;
  explicit Picture(Bitmap bitmap);
  ~Picture() { Release(); }
  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  explicit operator bool() const { return dc_ != nullptr; }
  HDC dc() const { return dc_; }
  SIZE size() const { return size_; }

 private:
  void Release();

  Bitmap bitmap_;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  SIZE size_{};
};

// Copies the picture's top-left part into the area and fills what it does not cover
// (all of it when there is no picture) with `plain`.
void DrawPictureArea(HDC dc, const Picture& picture, int x, int y, int width, int height,
                     COLORREF plain);

}  // namespace kelp
