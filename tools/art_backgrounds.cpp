// Page backgrounds of the four skins, 700 x 450. The text area in the middle
// stays calm; decoration keeps to the edges and corners.

#include "resources/data_files.h"
#include <cmath>

#include "tools/art_canvas.h"
#include "tools/art_decor.h"
#include "tools/art_pictures.h"

namespace art {
namespace {

constexpr int kWidth = 700, kHeight = 450;

// Faint beams of light slanting down from above the top edge.
void LightRays(Image& img, Color c) {
  constexpr struct {
    float x, slope, width;
  } kRays[] = {
      {120, 0.35f, 26}, {260, 0.22f, 40}, {430, 0.1f, 30}, {560, -0.05f, 46}, {640, -0.2f, 24}};
  for (const auto& ray : kRays) {
    ForEachPixel(img, {0, 0, float(kWidth), 360}, 0, [&](int x, int y, float px, float py) {
      const float d = std::abs(px - (ray.x + ray.slope * py));
      const float fade = std::max(0.f, 1 - py / 360);
      img.Blend(x, y, c, std::exp(-d * d / (ray.width * ray.width)) * fade * fade);
    });
  }
}

void SeaFloor(Image& img, Color c) {
  Fill(
      img, {0, 400, float(kWidth), float(kHeight)},
      [](float x, float y) { return (438 + 6 * std::sin(x / 47) + 3 * std::sin(x / 13 + 1)) - y; },
      c, 4);
}

Image MainBackground() {
  Image img(kWidth, kHeight);
  GradientV(img, 0, 0, kWidth, kHeight, Rgb(20, 46, 90), Rgb(5, 34, 56));
  Glow(img, 350, -140, 560, Rgb(80, 150, 215, 0.3f));
  LightRays(img, Rgb(150, 210, 255, 0.045f));
  SeaFloor(img, Rgb(8, 26, 38, 0.6f));
  const Color frond = Rgb(16, 92, 96, 0.5f);
  KelpFrond(img, 14, 455, 250, 0.3f, frond);
  KelpFrond(img, 38, 455, 160, 2.1f, Shade(frond, 0.8f));
  KelpFrond(img, 684, 455, 280, 1.2f, frond);
  KelpFrond(img, 660, 455, 170, 3.4f, Shade(frond, 0.8f));
  constexpr struct {
    float x, y, r;
  } kBubbles[] = {{48, 214, 5},  {30, 176, 3.5f}, {56, 140, 2.5f}, {652, 236, 6},
                  {670, 188, 4}, {648, 150, 3},   {676, 120, 2.5f}};
  for (const auto& b : kBubbles) Bubble(img, b.x, b.y, b.r, 0.6f);
  Vignette(img, 0.35f);
  return img;
}

void Rainbow(Image& img, float cx, float cy, float r, float alpha) {
  const Color bands[] = {Rgb(255, 120, 120), Rgb(255, 190, 100), Rgb(255, 240, 120),
                         Rgb(140, 220, 140), Rgb(120, 180, 255), Rgb(180, 140, 240)};
  for (int i = 0; i < 6; ++i) StrokeCircle(img, cx, cy, r - i * 6, 6, WithAlpha(bands[i], alpha));
}

Image CartoonBackground() {
  Image img(kWidth, kHeight);
  GradientV(img, 0, 0, kWidth, 130, Rgb(136, 200, 246), Rgb(192, 228, 252));
  GradientV(img, 0, 130, kWidth, kHeight, Rgb(192, 228, 252), Rgb(236, 247, 255));
  Glow(img, 60, 40, 220, Rgb(255, 255, 240, 0.35f));
  Rainbow(img, 600, 470, 150, 0.35f);
  Cloud(img, 620, 440, 70, 0.95f);
  Cloud(img, 80, 440, 58, 0.95f);
  Cloud(img, 10, 190, 30, 0.85f);
  Cloud(img, 694, 112, 28, 0.85f);
  Cloud(img, 250, 452, 34, 0.9f);
  constexpr struct {
    float x, y, r;
  } kBubbles[] = {{40, 300, 10}, {64, 262, 6},  {26, 250, 4},  {660, 262, 9}, {676, 300, 5},
                  {640, 214, 4}, {160, 400, 7}, {520, 395, 6}, {686, 190, 3}};
  for (const auto& b : kBubbles) {
    Bubble(img, b.x, b.y, b.r, 1);
    StrokeCircle(img, b.x, b.y, b.r, 1, Rgb(90, 160, 230, 0.35f));
  }
  constexpr struct {
    float x, y, size;
  } kSparkles[] = {{30, 96, 7}, {672, 70, 6}, {600, 330, 5}, {90, 360, 5}, {360, 440, 6}};
  for (const auto& s : kSparkles) Sparkle(img, s.x, s.y, s.size, Rgb(255, 255, 255, 0.95f));
  return img;
}

Image RoseBackground() {
  Image img(kWidth, kHeight);
  GradientV(img, 0, 0, kWidth, kHeight, Rgb(204, 72, 114), Rgb(170, 46, 92));
  Glow(img, 350, 200, 420, Rgb(236, 110, 150, 0.25f));
  // A faint wallpaper of small hearts.
  for (int row = 0; row < 12; ++row)
    for (int col = 0; col < 16; ++col)
      Heart(img, 22 + col * 44 + (row % 2) * 22, 20 + row * 40, 6, Rgb(255, 255, 255, 0.05f));
  constexpr struct {
    float x, y, size, alpha;
  } kHearts[] = {{26, 120, 14, 0.35f},  {50, 170, 9, 0.3f},  {20, 230, 7, 0.3f},
                 {676, 150, 13, 0.35f}, {654, 205, 8, 0.3f}, {684, 250, 6, 0.3f},
                 {540, 420, 10, 0.3f},  {150, 430, 9, 0.3f}};
  for (const auto& h : kHearts) Heart(img, h.x, h.y, h.size, Rgb(255, 200, 215, h.alpha));
  constexpr struct {
    float x, y, size, angle;
  } kPetals[] = {{70, 300, 7, 0.6f},  {34, 340, 5, 2.1f}, {630, 320, 6, 1.2f},
                 {668, 370, 5, 2.6f}, {600, 90, 4, 0.3f}, {96, 84, 4, 1.9f}};
  for (const auto& p : kPetals) Petal(img, p.x, p.y, p.size, p.angle, Rgb(255, 150, 180, 0.55f));
  Rose(img, 656, 418, 36, 0.9f);
  Rose(img, 600, 440, 22, 0.85f);
  Rose(img, 40, 428, 28, 0.85f);
  Vignette(img, 0.25f);
  return img;
}

Image FactoryBackground() {
  Image img(kWidth, kHeight, Rgb(0, 0, 0));
  BrushedMetal(img, {0, 0, float(kWidth), float(kHeight)}, Rgb(52, 54, 58), 7, 11);
  FillRect(img, 0, 0, kWidth, 58, Rgb(0, 0, 0, 0.2f));
  TreadPlate(img, {0, 0, float(kWidth), 58}, 18, 0.25f);
  Seam(img, 0, 58.5f, kWidth, 58.5f);
  Seam(img, 8.5f, 59, 8.5f, 434);
  Seam(img, 691.5f, 59, 691.5f, 434);
  HazardStripes(img, {0, 434, float(kWidth), float(kHeight)}, 12, Rgb(176, 140, 36));
  Glow(img, 350, 60, 500, Rgb(255, 255, 255, 0.06f));
  for (float y : {74.f, 254.f, 420.f}) {
    Rivet(img, 16, y, 3.5f);
    Rivet(img, 684, y, 3.5f);
  }
  for (float x : {10.f, 690.f}) {
    Rivet(img, x, 12, 3.5f);
    Rivet(img, x, 46, 3.5f);
  }
  Vignette(img, 0.4f);
  return img;
}

}  // namespace

bool WriteBackgrounds(const std::string& dir) {
  bool ok = WriteBmp(PathIn(dir, kelp::kSkin0Picture), MainBackground());
  ok &= WriteBmp(PathIn(dir, kelp::kSkin1Picture), CartoonBackground());
  ok &= WriteBmp(PathIn(dir, kelp::kSkin2Picture), RoseBackground());
  ok &= WriteBmp(PathIn(dir, kelp::kSkin3Picture), FactoryBackground());
  return ok;
}

}  // namespace art
