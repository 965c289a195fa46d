#include "tools/art_decor.h"

#include <vector>

namespace art {
namespace {

constexpr float kPi = 3.14159265f;

const Color kWhite = Rgb(255, 255, 255);

float Smoothstep(float e0, float e1, float x) {
  const float t = std::clamp((x - e0) / (e1 - e0), 0.f, 1.f);
  return t * t * (3 - 2 * t);
}

}  // namespace

float SdEllipse(float x, float y, float cx, float cy, float a, float b, float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  const float u = (x - cx) * c + (y - cy) * s, v = -(x - cx) * s + (y - cy) * c;
  return (std::hypot(u / a, v / b) - 1) * std::min(a, b);
}

void BrushedMetal(Image& img, Box area, Color base, float strength, uint32_t seed) {
  ForEachPixel(img, area, 0, [&](int x, int y, float, float) {
    const float v = 0.5f * ValueNoise(x / 140.f, y * 0.7f, seed) +
                    0.35f * ValueNoise(x / 35.f, y * 0.9f, seed + 1) +
                    0.15f * Hash01(x, y, seed + 2);
    const float step = (v - 0.5f) * 2 * strength;
    img.Blend(x, y, Rgb(base.r + step, base.g + step, base.b + step, base.a));
  });
}

void TreadPlate(Image& img, Box area, float pitch, float alpha) {
  const float half = pitch * 0.26f;
  for (int row = 0; row * pitch < area.y1 - area.y0 + pitch; ++row) {
    for (int col = 0; col * pitch < area.x1 - area.x0 + pitch; ++col) {
      const float cx = area.x0 + col * pitch + (row % 2) * pitch / 2,
                  cy = area.y0 + row * pitch / 2;
      const float dir = (row + col) % 2 ? 1.f : -1.f;
      const float ax = cx - half, ay = cy - half * dir, bx = cx + half, by = cy + half * dir;
      DrawLine(img, ax, ay + 1, bx, by + 1, pitch * 0.17f, Rgb(0, 0, 0, 0.5f * alpha));
      DrawLine(img, ax, ay, bx, by, pitch * 0.17f, Rgb(255, 255, 255, 0.22f * alpha));
    }
  }
}

void Seam(Image& img, float x0, float y0, float x1, float y1) {
  const bool horizontal = std::abs(y1 - y0) < std::abs(x1 - x0);
  const float dx = horizontal ? 0 : 1, dy = horizontal ? 1 : 0;
  DrawLine(img, x0, y0, x1, y1, 1, Rgb(0, 0, 0, 0.55f));
  DrawLine(img, x0 + dx, y0 + dy, x1 + dx, y1 + dy, 1, Rgb(255, 255, 255, 0.14f));
}

void Rivet(Image& img, float cx, float cy, float r) {
  Fill(
      img, {cx - r, cy - r, cx + r + 2, cy + r + 2},
      [=](float x, float y) { return SdCircle(x, y, cx + 0.8f, cy + 1.2f, r); }, Rgb(0, 0, 0, 0.5f),
      1.6f);
  const Box box{cx - r, cy - r, cx + r, cy + r};
  auto sdf = [=](float x, float y) { return SdCircle(x, y, cx, cy, r); };
  FillShaded(img, box, sdf, [=](float x, float y) {
    const float t = std::clamp(((x - cx) + (y - cy)) / (2.8f * r) + 0.5f, 0.f, 1.f);
    return Mix(Rgb(214, 218, 224), Rgb(66, 70, 78), t);
  });
  StrokeInside(img, box, sdf, 0.8f, Rgb(20, 20, 24, 0.6f));
  FillCircle(img, cx - r * 0.35f, cy - r * 0.38f, r * 0.28f, Rgb(255, 255, 255, 0.75f));
}

void HazardStripes(Image& img, Box area, float stripe, Color yellow) {
  FillRect(img, int(area.x0), int(area.y0), int(area.x1), int(area.y1), Rgb(28, 28, 30));
  FillInside(img, area, yellow, [=](float x, float y) {
    return std::fmod(x + y + 1000 * stripe, 2 * stripe) < stripe;
  });
  DrawLine(img, area.x0, area.y0 + 0.5f, area.x1, area.y0 + 0.5f, 1, Rgb(0, 0, 0, 0.6f));
  DrawLine(img, area.x0, area.y0 + 1.5f, area.x1, area.y0 + 1.5f, 1, Rgb(255, 255, 255, 0.18f));
}

void Vignette(Image& img, float strength) {
  const float hw = img.width() / 2.f, hh = img.height() / 2.f;
  ForEachPixel(img, {0, 0, float(img.width()), float(img.height())}, 0,
               [&](int x, int y, float px, float py) {
                 const float d = std::hypot((px - hw) / hw, (py - hh) / hh);
                 img.Blend(x, y, Rgb(0, 0, 0, strength * Smoothstep(0.6f, 1.45f, d)));
               });
}

void Cloud(Image& img, float cx, float cy, float size, float alpha) {
  struct Puff {
    float x, y, r;
  };
  constexpr Puff kPuffs[] = {{-0.85f, 0.12f, 0.42f},
                             {-0.35f, -0.22f, 0.58f},
                             {0.3f, -0.32f, 0.5f},
                             {0.82f, 0.05f, 0.42f},
                             {0.1f, 0.15f, 0.5f}};
  auto sdf = [=](float x, float y) {
    float d = SdRoundBox(
        x, y, {cx - 1.15f * size, cy - 0.05f * size, cx + 1.15f * size, cy + 0.45f * size},
        0.22f * size);
    for (const Puff& p : kPuffs)
      d = std::min(d, SdCircle(x, y, cx + p.x * size, cy + p.y * size, p.r * size));
    return d;
  };
  const Box box{cx - 1.3f * size, cy - 0.95f * size, cx + 1.3f * size, cy + 0.6f * size};
  Image layer(img.width(), img.height());
  Fill(
      layer, {box.x0, box.y0 + 6, box.x1, box.y1 + 6},
      [&](float x, float y) { return sdf(x, y - size * 0.1f); }, Rgb(70, 130, 200, 0.22f), 3);
  FillShaded(layer, box, sdf, VerticalShade(box, kWhite, Rgb(226, 240, 255)));
  StrokeInside(layer, box, sdf, std::max(1.5f, size * 0.04f), Rgb(126, 184, 236));
  Draw(img, layer, 0, 0, alpha);
}

void Bubble(Image& img, float cx, float cy, float r, float alpha) {
  FillCircle(img, cx, cy, r, Rgb(255, 255, 255, 0.12f * alpha));
  StrokeCircle(img, cx, cy, r - 0.6f, 1.2f, Rgb(255, 255, 255, 0.55f * alpha));
  FillCircle(img, cx - r * 0.4f, cy - r * 0.4f, std::max(1.f, r * 0.22f),
             Rgb(255, 255, 255, 0.8f * alpha));
}

void Sparkle(Image& img, float cx, float cy, float size, Color c) {
  Glow(img, cx, cy, size * 1.2f, WithAlpha(c, c.a * 0.35f));
  FillPolygon(img, StarPoints(cx, cy, size, size * 0.22f, 4), c);
}

void Heart(Image& img, float cx, float cy, float size, Color c) {
  FillInside(img, {cx - size, cy - size, cx + size, cy + size}, c,
             [=](float x, float y) { return InsideHeart(x, y, cx, cy, size); });
}

void Rose(Image& img, float cx, float cy, float r, float alpha) {
  Image layer(img.width(), img.height());
  const Color leaf = Rgb(58, 120, 62), leafDark = Rgb(30, 78, 40);
  for (float side : {-1.f, 1.f}) {
    const float lx = cx + side * r * 0.95f, ly = cy + r * 0.55f;
    Fill(
        layer, {lx - r, ly - r, lx + r, ly + r},
        [=](float x, float y) {
          return SdEllipse(x, y, lx, ly, r * 0.72f, r * 0.3f, side * 0.45f);
        },
        leaf);
    const float vx = std::cos(side * 0.45f) * r * 0.6f, vy = std::sin(side * 0.45f) * r * 0.6f;
    DrawLine(layer, lx - vx, ly - vy, lx + vx, ly + vy, 1.2f, leafDark);
  }
  const Color outer = Rgb(196, 28, 68), edge = Rgb(128, 8, 40);
  for (int i = 0; i < 5; ++i) {
    const float a = -kPi / 2 + i * 2 * kPi / 5;
    const float px = cx + std::cos(a) * r * 0.48f, py = cy + std::sin(a) * r * 0.48f;
    FillCircle(layer, px, py, r * 0.52f, outer);
    StrokeCircle(layer, px, py, r * 0.52f, 1.2f, WithAlpha(edge, 0.7f));
  }
  FillCircle(layer, cx, cy, r * 0.66f, Rgb(222, 48, 88));
  std::vector<Point> spiral;
  for (float t = 0; t < 4.2f * kPi; t += 0.15f) {
    const float rr = r * 0.6f * t / (4.2f * kPi);
    spiral.push_back({cx + std::cos(t) * rr, cy + std::sin(t) * rr * 0.9f});
  }
  for (size_t i = 1; i < spiral.size(); ++i)
    DrawLine(layer, spiral[i - 1].x, spiral[i - 1].y, spiral[i].x, spiral[i].y, 1.6f,
             WithAlpha(edge, 0.85f));
  Glow(layer, cx - r * 0.3f, cy - r * 0.35f, r * 0.6f, Rgb(255, 220, 230, 0.35f));
  Draw(img, layer, 0, 0, alpha);
}

void Petal(Image& img, float cx, float cy, float size, float angle, Color c) {
  const Box box{cx - size, cy - size, cx + size, cy + size};
  auto sdf = [=](float x, float y) { return SdEllipse(x, y, cx, cy, size, size * 0.55f, angle); };
  FillShaded(img, box, sdf, VerticalShade(box, Mix(c, kWhite, 0.4f), c));
}

void KelpFrond(Image& img, float x, float bottom, float height, float phase, Color c) {
  Image layer(img.width(), img.height());
  const Color opaque = WithAlpha(c, 1);
  const int steps = static_cast<int>(height / 4);
  float lastX = x, lastY = bottom;
  for (int i = 1; i <= steps; ++i) {
    const float t = static_cast<float>(i) / steps;
    const float px = x + std::sin(t * 3.2f + phase) * 14 * t, py = bottom - t * height;
    DrawLine(layer, lastX, lastY, px, py, 7 * (1 - t) + 2, opaque);
    if (i % 7 == 0 && t < 0.95f) {
      const float side = (i / 7) % 2 ? 1.f : -1.f;
      const float length = 16 * (1 - 0.5f * t);
      const float lx = px + side * length * 0.8f, ly = py - length * 0.45f;
      Fill(
          layer, {lx - length, ly - length, lx + length, ly + length},
          [=](float qx, float qy) {
            return SdEllipse(qx, qy, lx, ly, length, 4.5f * (1 - 0.4f * t), side * -0.55f);
          },
          opaque);
    }
    lastX = px;
    lastY = py;
  }
  Draw(img, layer, 0, 0, c.a);
}

}  // namespace art
