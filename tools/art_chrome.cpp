// Window chrome of the skins: caption pictures, menu backgrounds and stripes,
// the power glyph of the menu bar and the dedication picture.

#include <iterator>

#include "tools/art_canvas.h"
#include "tools/art_decor.h"
#include "tools/art_font.h"
#include "tools/art_pictures.h"

namespace art {
namespace {

const Color kWhite = Rgb(255, 255, 255);

struct Picture {
  int id;  // the bitmap resource it becomes
  int width, height;
  void (*draw)(Image&);
};

// ---- captions: only the top 18 to 24 rows and the left 700 columns show ----

void Gloss(Image& img, int rows, float alpha) {
  GradientV(img, 0, 0, img.width(), rows, Rgb(255, 255, 255, alpha), Rgb(255, 255, 255, 0));
}

void MainCaption(Image& img) {
  GradientV(img, 0, 0, img.width(), 20, Rgb(46, 92, 158), Rgb(12, 34, 78));
  GradientV(img, 0, 20, img.width(), img.height(), Rgb(12, 34, 78), Rgb(8, 24, 58));
  Gloss(img, 9, 0.16f);
  // Faint waves fading in towards the right end.
  for (int i = 0; i < 3; ++i) {
    FillShaded(
        img, {440, 0, float(img.width()), 30},
        [i](float x, float y) {
          return std::abs(y - (9 + 4 * i + 3 * std::sin(x / 28 + i))) - 0.5f;
        },
        [](float x, float) {
          return Rgb(120, 190, 255, 0.14f * std::clamp((x - 440) / 160, 0.f, 1.f));
        });
  }
  for (float x : {16.f, 30.f, 42.f, 660.f, 676.f})
    Bubble(img, x, 6 + std::fmod(x, 9.f), 2 + std::fmod(x, 3.f), 0.8f);
}

void CartoonCaption(Image& img) {
  GradientV(img, 0, 0, img.width(), 24, Rgb(98, 178, 244), Rgb(44, 124, 214));
  GradientV(img, 0, 24, img.width(), img.height(), Rgb(44, 124, 214), Rgb(36, 106, 196));
  Gloss(img, 10, 0.22f);
  Cloud(img, 60, 12, 11, 0.9f);
  Cloud(img, 118, 8, 7, 0.75f);
  Cloud(img, 610, 12, 10, 0.9f);
  Cloud(img, 668, 7, 6, 0.75f);
  for (float x : {170.f, 190.f, 520.f, 548.f}) Bubble(img, x, 8 + std::fmod(x, 7.f), 3, 1);
}

void RoseCaption(Image& img) {
  GradientV(img, 0, 0, img.width(), 22, Rgb(255, 232, 220), Rgb(246, 192, 196));
  GradientV(img, 0, 22, img.width(), img.height(), Rgb(246, 192, 196), Rgb(236, 170, 180));
  Gloss(img, 8, 0.35f);
  constexpr struct {
    float x, y, size;
  } kHearts[] = {{18, 10, 6},  {36, 6, 4},     {52, 12, 3.5f},
                 {650, 11, 5}, {668, 6, 3.5f}, {684, 12, 6}};
  for (const auto& h : kHearts) Heart(img, h.x, h.y, h.size, Rgb(222, 70, 110, 0.75f));
}

void SteelCaption(Image& img) {
  BrushedMetal(img, {0, 0, float(img.width()), float(img.height())}, Rgb(204, 207, 212), 9, 5);
  GradientV(img, 0, 0, img.width(), img.height(), Rgb(255, 255, 255, 0.25f), Rgb(0, 0, 0, 0.18f));
  for (float x : {10.f, 690.f}) Rivet(img, x, 9, 3.5f);
}

constexpr Picture kCaptions[] = {
    {IDB_CAPTION_MAIN, 750, 39, MainCaption},
    {IDB_CAPTION_BLUE, 750, 45, CartoonCaption},
    {IDB_CAPTION_ROSE, 750, 39, RoseCaption},
    {IDB_CAPTION_BLACK, 730, 36, SteelCaption},
};

// ---- pop-up menu backgrounds: black item text from x 38, icons at x 2..34 ----

constexpr int kGutter = 36;

void Gutter(Image& img, Color c) {
  GradientH(img, 0, 0, kGutter, img.height(), c, WithAlpha(c, 0.3f));
}

void MainMenu(Image& img) {
  GradientV(img, 0, 0, img.width(), img.height(), Rgb(240, 246, 253), Rgb(222, 234, 248));
  Gutter(img, Rgb(200, 220, 242, 0.8f));
  KelpFrond(img, 186, 345, 190, 1.4f, Rgb(80, 150, 160, 0.14f));
}

void CartoonMenu(Image& img) {
  GradientV(img, 0, 0, img.width(), img.height(), Rgb(246, 251, 255), Rgb(220, 238, 254));
  Gutter(img, Rgb(190, 224, 252, 0.8f));
  Cloud(img, 168, 318, 30, 0.5f);
  for (float y : {206.f, 240.f, 268.f}) {
    Bubble(img, 186 - std::fmod(y, 23.f), y, 5, 1);
    StrokeCircle(img, 186 - std::fmod(y, 23.f), y, 5, 1, Rgb(120, 180, 240, 0.3f));
  }
}

void RoseMenu(Image& img) {
  GradientV(img, 0, 0, img.width(), img.height(), Rgb(255, 244, 246), Rgb(252, 226, 234));
  Gutter(img, Rgb(248, 206, 220, 0.8f));
  Heart(img, 170, 290, 26, Rgb(236, 120, 150, 0.13f));
  Heart(img, 132, 322, 12, Rgb(236, 120, 150, 0.11f));
  Heart(img, 196, 232, 8, Rgb(236, 120, 150, 0.1f));
}

void SteelMenu(Image& img) {
  BrushedMetal(img, {0, 0, float(img.width()), float(img.height())}, Rgb(226, 228, 232), 5, 9);
  FillRect(img, 0, 0, kGutter, img.height(), Rgb(120, 124, 132, 0.18f));
  Seam(img, kGutter - 0.5f, 0, kGutter - 0.5f, img.height());
}

constexpr Picture kMenus[] = {
    {IDB_MENU_BACK_MAIN, 273, 434, MainMenu},
    {IDB_MENU_BACK_BLUE, 270, 392, CartoonMenu},
    {IDB_MENU_BACK_ROSE, 269, 457, RoseMenu},
    {IDB_MENU_BACK_BLACK, 240, 480, SteelMenu},
};

// ---- stripes down the left edge of a pop-up ----

// The program's name, reading upwards, near the top of the stripe.
void StripeName(Image& img, Color c) {
  const char* name = "Kelp III";
  Image text(static_cast<int>(TextWidth(name, 2)) + 2, 20);
  DrawText(text, 1, 1, name, 2, c);
  Image turned = RotateLeft(text);
  Draw(img, turned, (img.width() - 14) / 2 - 1, 12);
}

void BlueStripe(Image& img) {
  GradientH(img, 0, 0, img.width(), img.height(), Rgb(18, 56, 118), Rgb(58, 124, 196));
  GradientH(img, 0, 0, 6, img.height(), Rgb(255, 255, 255, 0.2f), Rgb(255, 255, 255, 0));
  StripeName(img, Rgb(255, 255, 255, 0.92f));
  for (float y : {120.f, 150.f, 172.f, 190.f})
    Bubble(img, 13 + std::fmod(y, 5.f) - 2, y, 3 + std::fmod(y, 3.f), 1);
}

void RoseStripe(Image& img) {
  GradientH(img, 0, 0, img.width(), img.height(), Rgb(170, 34, 78), Rgb(228, 96, 136));
  GradientH(img, 0, 0, 6, img.height(), Rgb(255, 255, 255, 0.18f), Rgb(255, 255, 255, 0));
  StripeName(img, Rgb(255, 240, 244, 0.95f));
  for (int i = 0; i < 8; ++i) Heart(img, 13, 124 + i * 34, 5 + (i % 2), Rgb(255, 210, 222, 0.75f));
}

void SteelStripe(Image& img) {
  BrushedMetal(img, {0, 0, float(img.width()), float(img.height())}, Rgb(62, 64, 70), 6, 21);
  Seam(img, img.width() - 1.5f, 0, img.width() - 1.5f, img.height());
  StripeName(img, Rgb(220, 222, 226, 0.95f));
  for (int i = 0; i < 7; ++i) Rivet(img, 12, 122 + i * 40, 3.5f);
}

constexpr Picture kStripes[] = {
    {IDB_MENU_STRIPE_MAIN, 26, 400, BlueStripe},
    {IDB_MENU_STRIPE_ROSE, 26, 400, RoseStripe},
    {IDB_MENU_STRIPE_BLACK, 26, 400, SteelStripe},
};

// ---- small pictures ----

void PowerGlyph(Image& img) {
  FillRect(img, 0, 0, 16, 16, Rgb(212, 208, 200));
  const Color red = Rgb(206, 28, 28);
  Fill(
      img, {0, 0, 16, 16},
      [](float x, float y) { return SdOpenArc(x, y, 8, 8.5f, 5.4f, 0.72f) - 1.1f; }, red);
  DrawLine(img, 8, 2.2f, 8, 8.2f, 2.2f, red);
}

void Vase(Image& img) {
  const Box body{30, 92, 70, 130};
  auto sdf = [](float x, float y) {
    const float belly = SdEllipse(x, y, 50, 112, 19, 17, 0);
    const float neck = SdRoundBox(x, y, {42, 84, 58, 102}, 3);
    const float lip = SdEllipse(x, y, 50, 84, 10, 3, 0);
    return std::min({belly, neck, lip});
  };
  Fill(
      img, {28, 126, 74, 136},
      [](float x, float y) { return SdEllipse(x, y, 51, 130, 21, 3.5f, 0); },
      Rgb(120, 90, 60, 0.3f), 2);
  FillShaded(img, {28, 80, 72, 130}, sdf, [](float x, float) {
    return Mix(Rgb(96, 150, 214), Rgb(34, 72, 146), std::clamp((x - 34) / 36, 0.f, 1.f));
  });
  StrokeInside(img, {28, 80, 72, 130}, sdf, 1, Rgb(20, 44, 96, 0.8f));
  Fill(
      img, body, [](float x, float y) { return SdEllipse(x, y, 41, 106, 3, 8, 0.3f); },
      Rgb(255, 255, 255, 0.45f));
  DrawLine(img, 33, 114, 67, 114, 1.5f, Rgb(250, 230, 150, 0.8f));
}

void Tulip(Image& img, float x, float y, Color c) {
  const Color dark = Shade(c, 0.72f);
  Fill(
      img, {x - 9, y - 12, x + 9, y + 8},
      [=](float px, float py) {
        return std::min({SdEllipse(px, py, x - 3.5f, y - 1, 4.5f, 8, 0.25f),
                         SdEllipse(px, py, x + 3.5f, y - 1, 4.5f, 8, -0.25f),
                         SdRoundBox(px, py, {x - 7, y - 2, x + 7, y + 6}, 5)});
      },
      dark);
  Fill(
      img, {x - 5, y - 12, x + 5, y + 6},
      [=](float px, float py) { return SdEllipse(px, py, x, y - 2, 3.8f, 8.5f, 0); }, c);
  Fill(
      img, {x - 3, y - 9, x, y},
      [=](float px, float py) { return SdEllipse(px, py, x - 1.2f, y - 4, 1, 3.5f, 0); },
      Rgb(255, 255, 255, 0.45f));
}

void Dedication(Image& img) {
  GradientV(img, 0, 0, img.width(), img.height(), Rgb(253, 248, 236), Rgb(238, 226, 206));
  Glow(img, 50, 52, 60, Rgb(255, 255, 255, 0.6f));
  FillRect(img, 0, 128, img.width(), img.height(), Rgb(196, 150, 104, 0.55f));
  DrawLine(img, 0, 128.5f, 100, 128.5f, 1, Rgb(150, 104, 66, 0.6f));
  const Color stem = Rgb(70, 130, 64);
  constexpr struct {
    float x, y;
    Color c;
  } kFlowers[] = {
      {28, 40, Rgb(232, 64, 90)}, {51, 24, Rgb(246, 176, 48)}, {73, 42, Rgb(226, 110, 170)}};
  for (const auto& f : kFlowers) {
    std::vector<Point> line;
    for (float t = 0; t <= 1.01f; t += 0.1f)
      line.push_back(
          {50 + (f.x - 50) * t + (f.x - 50) * 0.25f * t * (1 - t), 88 + (f.y + 6 - 88) * t});
    StrokePolyline(img, line, 1.8f, stem);
  }
  Fill(
      img, {20, 56, 46, 84},
      [](float x, float y) { return SdEllipse(x, y, 34, 70, 10, 3.2f, 0.7f); }, stem);
  Fill(
      img, {54, 58, 80, 86},
      [](float x, float y) { return SdEllipse(x, y, 67, 72, 10, 3.2f, -0.7f); }, stem);
  Vase(img);
  for (const auto& f : kFlowers) Tulip(img, f.x, f.y, f.c);
  StrokeInside(
      img, {0, 0, 100, 146},
      [](float x, float y) {
        return SdRoundBox(x, y, {0, 0, 100, 146}, 0);
      },
      2, Rgb(150, 112, 80, 0.55f));
}

constexpr Picture kSmall[] = {
    {IDB_POWER, 16, 16, PowerGlyph},
    {IDB_DEDICATION, 100, 146, Dedication},
};

bool WriteAll(const std::string& dir, const Picture* pictures, size_t count) {
  bool ok = true;
  for (size_t i = 0; i < count; ++i) {
    Image img(pictures[i].width, pictures[i].height, Rgb(128, 128, 128));
    pictures[i].draw(img);
    ok &= WriteBmp(PathIn(dir, BitmapResourceFile(pictures[i].id)), img);
  }
  return ok;
}

}  // namespace

bool WriteChrome(const std::string& dir) {
  bool ok = WriteAll(dir, kCaptions, std::size(kCaptions));
  ok &= WriteAll(dir, kMenus, std::size(kMenus));
  ok &= WriteAll(dir, kStripes, std::size(kStripes));
  ok &= WriteAll(dir, kSmall, std::size(kSmall));
  return ok;
}

}  // namespace art
