// The program's icons: 32 x 32 with alpha, one look for all of them: a soft
// drop shadow, a gradient body with a darker rim and a light gloss on top.

#include <functional>

#include "tools/art_canvas.h"
#include "tools/art_decor.h"
#include "tools/art_pictures.h"

namespace art {
namespace {

using Sdf = std::function<float(float, float)>;

const Color kWhite = Rgb(255, 255, 255);
constexpr Box kIconBox{0, 0, 32, 32};

void Shadow(Image& img, const Sdf& sdf) {
  Fill(
      img, kIconBox, [&](float x, float y) { return sdf(x - 0.7f, y - 1.3f); }, Rgb(0, 0, 0, 0.35f),
      1.8f);
}

void Body(Image& img, Box box, const Sdf& sdf, Color top, Color bottom, Color rim) {
  FillShaded(img, box, sdf, VerticalShade(box, top, bottom));
  StrokeInside(img, box, sdf, 1, rim);
}

// A light sheen over the upper part of a shape.
void Gloss(Image& img, Box box, const Sdf& sdf, float alpha) {
  const float middle = box.y0 + (box.y1 - box.y0) * 0.48f;
  const Box upper{box.x0, box.y0, box.x1, middle};
  FillShaded(
      img, upper, [&](float x, float y) { return std::max(sdf(x, y) + 1.5f, y - middle); },
      VerticalShade(upper, WithAlpha(kWhite, alpha), WithAlpha(kWhite, 0.05f)));
}

// ---- key caps: the application and the four text levels ----

constexpr Box kCap{3, 4, 29, 29};
constexpr Box kCapFace{5.5f, 5, 26.5f, 23.5f};

void KeyCap(Image& img, Color face, Color side, Color rim) {
  const Sdf cap = [](float x, float y) { return SdRoundBox(x, y, kCap, 5); };
  const Sdf top = [](float x, float y) { return SdRoundBox(x, y, kCapFace, 4); };
  Shadow(img, cap);
  Body(img, kCap, cap, side, Shade(side, 0.7f), rim);
  FillShaded(img, kCapFace, top, VerticalShade(kCapFace, Mix(face, kWhite, 0.55f), face));
  StrokeInside(img, kCapFace, top, 0.8f, WithAlpha(rim, 0.35f));
}

void AppIcon(Image& img) {
  KeyCap(img, Rgb(150, 222, 150), Rgb(64, 160, 82), Rgb(18, 82, 40));
  const Color frond = Rgb(20, 110, 52);
  StrokePolyline(img, {{12, 22}, {13.5f, 18}, {15.5f, 14}, {16, 11}, {18.5f, 7.5f}}, 1.8f, frond);
  constexpr struct {
    float x, y, a, b, angle;
  } kLeaves[] = {{19.8f, 10.6f, 4.6f, 1.9f, -0.55f},
                 {11.8f, 13.2f, 4.4f, 1.8f, 0.75f},
                 {19.2f, 17.4f, 4, 1.7f, -0.35f},
                 {10.6f, 19.2f, 3.2f, 1.5f, 0.5f}};
  for (const auto& leaf : kLeaves)
    Fill(
        img, kIconBox,
        [&](float x, float y) {
          return SdEllipse(x, y, leaf.x, leaf.y, leaf.a, leaf.b, leaf.angle);
        },
        frond);
}

// Four bars rising left to right, the first `filled` in the level's colour.
void LevelIcon(Image& img, int filled, Color c) {
  KeyCap(img, Mix(Rgb(240, 243, 248), c, 0.1f), Mix(Rgb(150, 158, 172), c, 0.4f), Shade(c, 0.35f));
  for (int i = 0; i < 4; ++i) {
    const Box bar{7.4f + i * 4.7f, 21 - (5 + 3.4f * i), 11 + i * 4.7f, 21};
    const bool on = i < filled;
    const Sdf sdf = [bar](float x, float y) { return SdRoundBox(x, y, bar, 0.9f); };
    Body(img, bar, sdf, on ? Mix(c, kWhite, 0.35f) : Rgb(218, 222, 230),
         on ? c : Rgb(194, 200, 210), on ? Shade(c, 0.6f) : Rgb(164, 170, 182));
  }
}

void Level1(Image& img) {
  LevelIcon(img, 1, Rgb(52, 170, 72));
}
void Level2(Image& img) {
  LevelIcon(img, 2, Rgb(40, 120, 220));
}
void Level3(Image& img) {
  LevelIcon(img, 3, Rgb(236, 140, 24));
}
void Level4(Image& img) {
  LevelIcon(img, 4, Rgb(214, 44, 44));
}

// ---- the other icons ----

void KeypadIcon(Image& img) {
  constexpr Box body{2.5f, 2, 29.5f, 30};
  const Sdf sdf = [](float x, float y) { return SdRoundBox(x, y, body, 3.5f); };
  Shadow(img, sdf);
  Body(img, body, sdf, Rgb(96, 104, 120), Rgb(52, 58, 70), Rgb(26, 30, 38));
  // Keys on a grid of four columns and five rows.
  auto key = [&](float col, float row, float w, float h, Color c) {
    const Box box{5 + col * 5.8f, 4.5f + row * 5, 5 + (col + w) * 5.8f - 1.2f,
                  4.5f + (row + h) * 5 - 1.2f};
    FillRoundRectV(img, box, 1, Mix(c, kWhite, 0.5f), c);
  };
  const Color grey = Rgb(176, 184, 198), light = Rgb(228, 232, 240), accent = Rgb(246, 164, 52);
  for (int col = 0; col < 4; ++col) key(col, 0, 1, 1, grey);
  for (int row = 1; row < 4; ++row)
    for (int col = 0; col < 3; ++col)
      key(col, row, 1, 1, row == 2 && col == 1 ? Rgb(110, 184, 250) : light);
  key(0, 4, 2, 1, light);
  key(2, 4, 1, 1, light);
  key(3, 1, 1, 2, grey);
  key(3, 3, 1, 2, accent);
}

void ScoreIcon(Image& img) {
  constexpr Box paper{5, 3, 27, 29};
  const Sdf sheet = [](float x, float y) {
    return std::max(SdRoundBox(x, y, paper, 1.5f), (x - 20.5f) + (4 - y));  // corner folded away
  };
  Shadow(img, sheet);
  Body(img, paper, sheet, kWhite, Rgb(226, 232, 240), Rgb(92, 104, 124));
  FillPolygon(img, {{20.2f, 3}, {27, 9.8f}, {20.2f, 9.8f}}, Rgb(196, 204, 216));
  DrawLine(img, 20.2f, 3.5f, 20.2f, 9.8f, 0.8f, Rgb(92, 104, 124));
  DrawLine(img, 20.2f, 9.8f, 26.5f, 9.8f, 0.8f, Rgb(92, 104, 124));
  for (float y : {12.5f, 16.5f, 20.5f})
    DrawLine(img, 9.5f, y, 24.5f, y, 0.7f, Rgb(150, 190, 235, 0.8f));
  DrawLine(img, 9, 8, 9, 25, 1, Rgb(70, 80, 96));
  DrawLine(img, 8.5f, 25, 24.5f, 25, 1, Rgb(70, 80, 96));
  const std::vector<Point> line{{10.5f, 22}, {13.5f, 17.5f}, {17, 19.5f}, {20.5f, 13}, {24, 10.5f}};
  StrokePolyline(img, line, 1.8f, Rgb(220, 40, 48));
  for (const Point& p : line) FillCircle(img, p.x, p.y, 1.4f, Rgb(170, 20, 30));
}

float GearSdf(float x, float y) {
  const float dx = x - 16, dy = y - 16;
  const float tooth = std::clamp(std::cos(8 * std::atan2(dy, dx)) * 3.5f + 0.5f, 0.f, 1.f);
  const float outer = std::hypot(dx, dy) - (11 + 3 * tooth);
  return std::max(outer, 4.6f - std::hypot(dx, dy));
}

void SettingsIcon(Image& img) {
  const Sdf gear = GearSdf;
  constexpr Box box{1, 1, 31, 31};
  Shadow(img, gear);
  Body(img, box, gear, Rgb(200, 210, 224), Rgb(96, 110, 132), Rgb(44, 52, 68));
  StrokeCircle(img, 16, 16, 8, 1, Rgb(255, 255, 255, 0.35f));
  StrokeCircle(img, 16, 16, 5.1f, 1, Rgb(44, 52, 68, 0.7f));
  Gloss(img, box, gear, 0.4f);
}

void MinimizeIcon(Image& img) {
  constexpr Box frame{3, 4, 29, 26};
  const Sdf window = [](float x, float y) { return SdRoundBox(x, y, frame, 2.5f); };
  Shadow(img, window);
  Body(img, frame, window, Rgb(252, 253, 255), Rgb(222, 230, 242), Rgb(30, 62, 126));
  const Box title{3.5f, 4.5f, 28.5f, 10};
  FillShaded(
      img, title, [&](float x, float y) { return std::max(window(x, y) + 1, y - title.y1); },
      VerticalShade(title, Rgb(110, 170, 246), Rgb(36, 96, 200)));
  const Color blue = Rgb(24, 92, 196), halo = Rgb(255, 255, 255, 0.95f);
  const std::vector<Point> arrow{{13.5f, 11.5f}, {18.5f, 11.5f}, {18.5f, 17}, {22, 17},
                                 {16, 23},       {10, 17},       {13.5f, 17}};
  const Sdf bar = [](float x, float y) { return SdRoundBox(x, y, {9, 25, 23, 28.5f}, 1); };
  Fill(
      img, kIconBox, [&](float x, float y) { return bar(x, y) - 1; }, halo);
  FillRoundRectV(img, {9, 25, 23, 28.5f}, 1, Rgb(90, 150, 240), blue);
  std::vector<Point> outline;
  for (const Point& p : arrow) outline.push_back(p);
  outline.push_back(arrow.front());
  StrokePolyline(img, outline, 2.2f, halo);
  FillPolygon(img, arrow, blue);
}

void RoundButton(Image& img, Color light, Color dark, Color rim) {
  const Sdf disc = [](float x, float y) { return SdCircle(x, y, 16, 16, 13.5f); };
  constexpr Box box{2.5f, 2.5f, 29.5f, 29.5f};
  Shadow(img, disc);
  Body(img, box, disc, light, dark, rim);
  Gloss(img, box, disc, 0.45f);
}

void ExitIcon(Image& img) {
  RoundButton(img, Rgb(246, 100, 86), Rgb(178, 20, 24), Rgb(110, 10, 14));
  Fill(
      img, kIconBox, [](float x, float y) { return SdOpenArc(x, y, 16, 16.8f, 7, 0.7f) - 1.35f; },
      kWhite);
  DrawLine(img, 16, 7.5f, 16, 15.5f, 2.7f, kWhite);
}

void AboutIcon(Image& img) {
  RoundButton(img, Rgb(100, 170, 246), Rgb(22, 86, 186), Rgb(12, 52, 124));
  FillCircle(img, 16.3f, 9.3f, 2.2f, kWhite);
  FillRoundRect(img, {14.3f, 13, 18.3f, 24}, 0.8f, kWhite);
  FillRoundRect(img, {12.3f, 13, 16, 15}, 0.6f, kWhite);
  FillRoundRect(img, {12.3f, 22.2f, 20.3f, 24.2f}, 0.6f, kWhite);
}

Image Draw32(void (*draw)(Image&)) {
  Image img(32, 32);
  draw(img);
  return img;
}

// Halves the size, averaging with alpha weights.
Image Half(const Image& src) {
  Image out(src.width() / 2, src.height() / 2);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      Color sum{0, 0, 0, 0};
      for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
          const Color& c = src.at(2 * x + i, 2 * y + j);
          sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
        }
      out.at(x, y) = sum.a > 0 ? Color{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / 4}
                               : Color{0, 0, 0, 0};
    }
  return out;
}

constexpr struct {
  int id;  // the icon resource it becomes
  void (*draw)(Image&);
} kIcons[] = {
    {IDI_LEVEL1, Level1},       {IDI_LEVEL2, Level2},       {IDI_LEVEL3, Level3},
    {IDI_LEVEL4, Level4},       {IDI_LEVEL5, KeypadIcon},   {IDI_SCORE_SHEET, ScoreIcon},
    {IDI_SETTINGS, SettingsIcon}, {IDI_MINIMIZE, MinimizeIcon}, {IDI_EXIT, ExitIcon},
    {IDI_ABOUT, AboutIcon},
};

}  // namespace

bool WriteIcons(const std::string& dir) {
  const Image app = Draw32(AppIcon);
  bool ok = WriteIco(PathIn(dir, IconResourceFile(IDI_APP)), {app, Half(app)});
  for (const auto& icon : kIcons) ok &= WriteIco(PathIn(dir, IconResourceFile(icon.id)), {Draw32(icon.draw)});
  return ok;
}

}  // namespace art
