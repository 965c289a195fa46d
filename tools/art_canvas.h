#pragma once

// A small RGBA canvas with antialiased shape filling and BMP/ICO writers.
// Pixel (x, y) covers [x, x + 1) x [y, y + 1); shapes are given in the same
// continuous coordinates, so a rectangle from 10 to 54 fills pixels 10..53.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Color {
  float r = 0, g = 0, b = 0, a = 1;  // channels 0..255, alpha 0..1
};

constexpr Color Rgb(float r, float g, float b, float a = 1) {
  return {r, g, b, a};
}
Color Mix(Color from, Color to, float t);
Color Shade(Color c, float factor);  // scales red, green and blue
Color WithAlpha(Color c, float a);

class Image {
 public:
  Image(int width, int height, Color fill = {0, 0, 0, 0});

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Color& at(int x, int y) { return pixels_[y * width_ + x]; }
  const Color& at(int x, int y) const { return pixels_[y * width_ + x]; }

  // Composites c over the pixel, weighted by coverage; outside pixels are ignored.
  void Blend(int x, int y, Color c, float coverage = 1);

 private:
  int width_, height_;
  std::vector<Color> pixels_;
};

struct Box {
  float x0, y0, x1, y1;
};

// Signed distances: negative inside.
float SdCircle(float x, float y, float cx, float cy, float r);
float SdRoundBox(float x, float y, Box box, float radius);
float SdSegment(float x, float y, float ax, float ay, float bx, float by);
// A circle line open at the top by gap radians either side, with round ends.
float SdOpenArc(float x, float y, float cx, float cy, float r, float gap);

// Runs visit(x, y, px, py) for every pixel touching bounds (grown by pad).
template <class Visit>
void ForEachPixel(const Image& img, Box bounds, float pad, Visit visit) {
  const int x0 = std::max(0, static_cast<int>(std::floor(bounds.x0 - pad)));
  const int y0 = std::max(0, static_cast<int>(std::floor(bounds.y0 - pad)));
  const int x1 = std::min(img.width(), static_cast<int>(std::ceil(bounds.x1 + pad)));
  const int y1 = std::min(img.height(), static_cast<int>(std::ceil(bounds.y1 + pad)));
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) visit(x, y, x + 0.5f, y + 0.5f);
}

// Fills where sdf <= 0 with an antialiased edge feather pixels wide; the
// colour comes from shade(px, py).
template <class Sdf, class ShadeFn>
void FillShaded(Image& img, Box bounds, Sdf sdf, ShadeFn shade, float feather = 1) {
  ForEachPixel(img, bounds, feather + 1, [&](int x, int y, float px, float py) {
    const float cover = std::clamp(0.5f - sdf(px, py) / feather, 0.f, 1.f);
    if (cover > 0) img.Blend(x, y, shade(px, py), cover);
  });
}

template <class Sdf>
void Fill(Image& img, Box bounds, Sdf sdf, Color c, float feather = 1) {
  FillShaded(
      img, bounds, sdf, [c](float, float) { return c; }, feather);
}

// A band of the given width just inside the shape's edge.
template <class Sdf>
void StrokeInside(Image& img, Box bounds, Sdf sdf, float width, Color c) {
  Fill(
      img, bounds,
      [&](float x, float y) {
        const float d = sdf(x, y);
        return std::max(d, -d - width);
      },
      c);
}

// Vertical gradient between the box's top and bottom edges.
inline auto VerticalShade(Box box, Color top, Color bottom) {
  return [=](float, float y) {
    return Mix(top, bottom, std::clamp((y - box.y0) / (box.y1 - box.y0), 0.f, 1.f));
  };
}

// Supersampled fill for shapes known only by an inside test.
template <class Inside>
void FillInside(Image& img, Box bounds, Color c, Inside inside, int samples = 4) {
  ForEachPixel(img, bounds, 0, [&](int x, int y, float, float) {
    int hits = 0;
    for (int j = 0; j < samples; ++j)
      for (int i = 0; i < samples; ++i)
        if (inside(x + (i + 0.5f) / samples, y + (j + 0.5f) / samples)) ++hits;
    if (hits) img.Blend(x, y, c, static_cast<float>(hits) / (samples * samples));
  });
}

void FillRect(Image& img, int x0, int y0, int x1, int y1, Color c);  // x1, y1 excluded
void GradientV(Image& img, int x0, int y0, int x1, int y1, Color top, Color bottom);
void GradientH(Image& img, int x0, int y0, int x1, int y1, Color left, Color right);
void FillCircle(Image& img, float cx, float cy, float r, Color c);
void StrokeCircle(Image& img, float cx, float cy, float r, float width, Color c);
void FillRoundRect(Image& img, Box box, float radius, Color c);
void FillRoundRectV(Image& img, Box box, float radius, Color top, Color bottom);
void DrawLine(Image& img, float ax, float ay, float bx, float by, float width, Color c);
// A soft radial spot: c at the centre fading to nothing at radius.
void Glow(Image& img, float cx, float cy, float radius, Color c);

struct Point {
  float x, y;
};
void FillPolygon(Image& img, const std::vector<Point>& points, Color c);
void StrokePolyline(Image& img, const std::vector<Point>& points, float width, Color c);
std::vector<Point> StarPoints(float cx, float cy, float outer, float inner, int tips);
bool InsideHeart(float x, float y, float cx, float cy, float size);

// Draws src with its top-left at (x, y), alpha composited.
void Draw(Image& dst, const Image& src, int x, int y, float opacity = 1);
// A quarter turn counter-clockwise.
Image RotateLeft(const Image& src);

// Deterministic noise in 0..1.
float Hash01(int x, int y, uint32_t seed);
float ValueNoise(float x, float y, uint32_t seed);

// 24-bit bottom-up BMP; alpha is ignored.
bool WriteBmp(const std::string& path, const Image& img);
// One icon file holding every given image as 32-bit BGRA with AND mask.
bool WriteIco(const std::string& path, const std::vector<Image>& images);

}  // namespace art
