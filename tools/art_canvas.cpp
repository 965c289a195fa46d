#include "tools/art_canvas.h"

#include "appearance/bitmap_format.h"

#include <fstream>

namespace art {

Color Mix(Color from, Color to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

Color Shade(Color c, float factor) {
  return {c.r * factor, c.g * factor, c.b * factor, c.a};
}

Color WithAlpha(Color c, float a) {
  return {c.r, c.g, c.b, a};
}

Image::Image(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Image::Blend(int x, int y, Color c, float coverage) {
  if (!Contains(x, y)) return;
  const float a = std::clamp(c.a * coverage, 0.f, 1.f);
  if (a <= 0) return;
  Color& d = at(x, y);
  const float out = a + d.a * (1 - a);
  const float keep = d.a * (1 - a);
  d.r = (c.r * a + d.r * keep) / out;
  d.g = (c.g * a + d.g * keep) / out;
  d.b = (c.b * a + d.b * keep) / out;
  d.a = out;
}

float SdCircle(float x, float y, float cx, float cy, float r) {
  return std::hypot(x - cx, y - cy) - r;
}

float SdRoundBox(float x, float y, Box box, float radius) {
  const float cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
  const float hx = (box.x1 - box.x0) / 2 - radius, hy = (box.y1 - box.y0) / 2 - radius;
  const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
  const float outside = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
  return outside + std::min(std::max(qx, qy), 0.f) - radius;
}

float SdSegment(float x, float y, float ax, float ay, float bx, float by) {
  const float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
  const float len2 = dx * dx + dy * dy;
  const float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.f, 1.f) : 0.f;
  return std::hypot(px - dx * t, py - dy * t);
}

float SdOpenArc(float x, float y, float cx, float cy, float r, float gap) {
  const float dx = x - cx, dy = y - cy;
  if (std::abs(std::atan2(dx, -dy)) >= gap) return std::abs(std::hypot(dx, dy) - r);
  const float ex = std::sin(gap) * r, ey = -std::cos(gap) * r;
  return std::min(std::hypot(dx - ex, dy - ey), std::hypot(dx + ex, dy - ey));
}

void FillRect(Image& img, int x0, int y0, int x1, int y1, Color c) {
  for (int y = std::max(0, y0); y < std::min(img.height(), y1); ++y)
    for (int x = std::max(0, x0); x < std::min(img.width(), x1); ++x) img.Blend(x, y, c);
}

void GradientV(Image& img, int x0, int y0, int x1, int y1, Color top, Color bottom) {
  for (int y = y0; y < y1; ++y) {
    const float t = y1 - y0 > 1 ? static_cast<float>(y - y0) / (y1 - y0 - 1) : 0.f;
    FillRect(img, x0, y, x1, y + 1, Mix(top, bottom, t));
  }
}

void GradientH(Image& img, int x0, int y0, int x1, int y1, Color left, Color right) {
  for (int x = x0; x < x1; ++x) {
    const float t = x1 - x0 > 1 ? static_cast<float>(x - x0) / (x1 - x0 - 1) : 0.f;
    FillRect(img, x, y0, x + 1, y1, Mix(left, right, t));
  }
}

void FillCircle(Image& img, float cx, float cy, float r, Color c) {
  Fill(
      img, {cx - r, cy - r, cx + r, cy + r},
      [=](float x, float y) { return SdCircle(x, y, cx, cy, r); }, c);
}

void StrokeCircle(Image& img, float cx, float cy, float r, float width, Color c) {
  Fill(
      img, {cx - r - width, cy - r - width, cx + r + width, cy + r + width},
      [=](float x, float y) { return std::abs(SdCircle(x, y, cx, cy, r)) - width / 2; }, c);
}

void FillRoundRect(Image& img, Box box, float radius, Color c) {
  Fill(
      img, box, [=](float x, float y) { return SdRoundBox(x, y, box, radius); }, c);
}

void FillRoundRectV(Image& img, Box box, float radius, Color top, Color bottom) {
  FillShaded(
      img, box, [=](float x, float y) { return SdRoundBox(x, y, box, radius); },
      VerticalShade(box, top, bottom));
}

void DrawLine(Image& img, float ax, float ay, float bx, float by, float width, Color c) {
  const float r = width / 2;
  Fill(
      img, {std::min(ax, bx) - r, std::min(ay, by) - r, std::max(ax, bx) + r, std::max(ay, by) + r},
      [=](float x, float y) { return SdSegment(x, y, ax, ay, bx, by) - r; }, c);
}

void Glow(Image& img, float cx, float cy, float radius, Color c) {
  ForEachPixel(img, {cx - radius, cy - radius, cx + radius, cy + radius}, 0,
               [&](int x, int y, float px, float py) {
                 const float t = 1 - std::hypot(px - cx, py - cy) / radius;
                 if (t > 0) img.Blend(x, y, c, t * t);
               });
}

static bool InsidePolygon(const std::vector<Point>& pts, float x, float y) {
  bool inside = false;
  for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
    const Point& a = pts[i];
    const Point& b = pts[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

void FillPolygon(Image& img, const std::vector<Point>& points, Color c) {
  Box box{1e9f, 1e9f, -1e9f, -1e9f};
  for (const Point& p : points) {
    box = {std::min(box.x0, p.x), std::min(box.y0, p.y), std::max(box.x1, p.x),
           std::max(box.y1, p.y)};
  }
  FillInside(
      img, box, c, [&](float x, float y) { return InsidePolygon(points, x, y); }, 5);
}

void StrokePolyline(Image& img, const std::vector<Point>& points, float width, Color c) {
  Box box{1e9f, 1e9f, -1e9f, -1e9f};
  for (const Point& p : points) {
    box = {std::min(box.x0, p.x), std::min(box.y0, p.y), std::max(box.x1, p.x),
           std::max(box.y1, p.y)};
  }
  const float r = width / 2;
  Fill(
      img, {box.x0 - r, box.y0 - r, box.x1 + r, box.y1 + r},
      [&](float x, float y) {
        float d = 1e9f;
        for (size_t i = 1; i < points.size(); ++i)
          d = std::min(d,
                       SdSegment(x, y, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y));
        return d - r;
      },
      c);
}

std::vector<Point> StarPoints(float cx, float cy, float outer, float inner, int tips) {
  std::vector<Point> pts;
  for (int i = 0; i < tips * 2; ++i) {
    const float r = i % 2 ? inner : outer;
    const float angle = -1.5707963f + 3.14159265f * i / tips;
    pts.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
  }
  return pts;
}

bool InsideHeart(float x, float y, float cx, float cy, float size) {
  // (u^2 + v^2 - 1)^3 - u^2 v^3 <= 0, with v pointing up.
  const float u = (x - cx) / size * 1.15f, v = -(y - cy) / size * 1.15f + 0.1f;
  const float q = u * u + v * v - 1;
  return q * q * q - u * u * v * v * v <= 0;
}

void Draw(Image& dst, const Image& src, int x, int y, float opacity) {
  for (int j = 0; j < src.height(); ++j)
    for (int i = 0; i < src.width(); ++i) dst.Blend(x + i, y + j, src.at(i, j), opacity);
}

Image RotateLeft(const Image& src) {
  Image out(src.height(), src.width());
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < src.width(); ++x) out.at(y, src.width() - 1 - x) = src.at(x, y);
  return out;
}

float Hash01(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^
               static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / 16777216.f;
}

float ValueNoise(float x, float y, uint32_t seed) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  float fx = x - ix, fy = y - iy;
  fx = fx * fx * (3 - 2 * fx);
  fy = fy * fy * (3 - 2 * fy);
  const float top = Hash01(ix, iy, seed) + (Hash01(ix + 1, iy, seed) - Hash01(ix, iy, seed)) * fx;
  const float bottom =
      Hash01(ix, iy + 1, seed) + (Hash01(ix + 1, iy + 1, seed) - Hash01(ix, iy + 1, seed)) * fx;
  return top + (bottom - top) * fy;
}

namespace {

char Channel(float v) {
  return static_cast<char>(std::clamp(std::lround(v), 0L, 255L));
}

bool Save(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace

bool WriteBmp(const std::string& path, const Image& img) {
  const int stride = (img.width() * 3 + 3) & ~3;
  std::string out = kelp::bmp::Headers(img.width(), img.height(), 24, 0, stride * img.height());
  for (int y = img.height() - 1; y >= 0; --y) {
    for (int x = 0; x < img.width(); ++x) {
      const Color& c = img.at(x, y);
      out += {Channel(c.b), Channel(c.g), Channel(c.r)};
    }
    out.append(stride - img.width() * 3, '\0');
  }
  return Save(path, out);
}

// An icon image: the info header without the file header, with twice the height
// for the colours and the AND mask.
static std::string IconImage(const Image& img) {
  const int w = img.width(), h = img.height();
  const int maskStride = ((w + 31) / 32) * 4;
  std::string out = kelp::bmp::Headers(w, h * 2, 32, 0, w * h * 4 + maskStride * h)
                        .substr(kelp::bmp::kFileHeaderSize);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const Color& c = img.at(x, y);
      const bool clear = c.a < 1 / 255.f;
      out += {clear ? '\0' : Channel(c.b), clear ? '\0' : Channel(c.g), clear ? '\0' : Channel(c.r),
              Channel(c.a * 255)};
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    std::string row(maskStride, '\0');
    for (int x = 0; x < w; ++x)
      if (img.at(x, y).a < 0.5f) row[x / 8] = static_cast<char>(row[x / 8] | 0x80 >> (x % 8));
    out += row;
  }
  return out;
}

bool WriteIco(const std::string& path, const std::vector<Image>& images) {
  using kelp::LeBytes;
  std::string out = LeBytes(0, 2) + LeBytes(1, 2) + LeBytes(images.size(), 2);
  std::string bodies;
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const Image& img : images) {
    const std::string body = IconImage(img);
    out += {static_cast<char>(img.width()), static_cast<char>(img.height()), 0, 0};  // no palette
    out += LeBytes(1, 2) + LeBytes(32, 2) + LeBytes(body.size()) + LeBytes(offset);
    offset += static_cast<std::uint32_t>(body.size());
    bodies += body;
  }
  return Save(path, out + bodies);
}

}  // namespace art
