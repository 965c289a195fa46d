// Keyboard pictures: kb1 (letters), kb2 (numeric keypad) and kb0 (the whole
// layout). The keys that the program frames are placed from practice/key_boxes.h.

#include "resources/data_files.h"
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "practice/key_boxes.h"
#include "tools/art_canvas.h"
#include "tools/art_font.h"
#include "tools/art_pictures.h"

namespace art {
namespace {

enum class Finger { kNone, kPinky, kRing, kMiddle, kIndex, kThumb };

struct FingerStyle {
  Finger finger;
  const char* name;
  Color face;
  const char* keys;  // main block keys typed by this finger
};

constexpr FingerStyle kFingers[] = {
    {Finger::kNone, "", Rgb(214, 218, 226), ""},
    {Finger::kPinky, "Pinky", Rgb(228, 214, 248), "`1qaz0p;/-=[]'\\"},
    {Finger::kRing, "Ring", Rgb(204, 226, 252), "2wsx9ol."},
    {Finger::kMiddle, "Middle", Rgb(206, 238, 210), "3edc8ik,"},
    {Finger::kIndex, "Index", Rgb(252, 234, 194), "4rfv5tgb6yhn7ujm"},
    {Finger::kThumb, "Thumb", Rgb(248, 222, 212), " "},
};

// Keypad keys by finger of the right hand.
constexpr struct {
  char key;
  Finger finger;
} kKeypadFingers[] = {
    {'7', Finger::kIndex},  {'4', Finger::kIndex},  {'1', Finger::kIndex},  {'/', Finger::kMiddle},
    {'8', Finger::kMiddle}, {'5', Finger::kMiddle}, {'2', Finger::kMiddle}, {'*', Finger::kRing},
    {'9', Finger::kRing},   {'6', Finger::kRing},   {'3', Finger::kRing},   {'.', Finger::kRing},
    {'-', Finger::kPinky},  {'+', Finger::kPinky},  {'0', Finger::kThumb},
};

const Color kDeskTop = Rgb(208, 212, 218), kDeskBottom = Rgb(186, 191, 199);
const Color kCaseTop = Rgb(66, 72, 84), kCaseBottom = Rgb(44, 49, 58);
const Color kKeyEdge = Rgb(34, 38, 46);
const Color kLabel = Rgb(34, 40, 52);
const Color kDeskText = Rgb(48, 54, 64);

const FingerStyle& StyleOf(Finger finger) {
  for (const FingerStyle& style : kFingers)
    if (style.finger == finger) return style;
  return kFingers[0];
}

Finger MainFinger(char key) {
  for (const FingerStyle& style : kFingers)
    if (key && std::string_view(style.keys).find(key) != std::string_view::npos)
      return style.finger;
  return Finger::kNone;
}

Finger KeypadFinger(char key) {
  for (const auto& entry : kKeypadFingers)
    if (entry.key == key) return entry.finger;
  return Finger::kIndex;  // Num Lock
}

// A key: its box runs from its own left/top to the next key's (the 1-pixel
// gap included); the cap covers all of it but the last column and row.
struct Key {
  int x, y, w, h;
  std::string label;
  Finger finger;
  bool bump = false;  // home key mark
};

struct LabelSizes {
  float character, word;  // font scale of single characters and of longer labels
};

// The preferred size if the label fits the key's face, else the smallest.
float LabelScale(std::string_view label, float faceWidth, LabelSizes sizes) {
  const float preferred = label.size() == 1 ? sizes.character : sizes.word;
  const bool oneLine = label.find('\n') == std::string_view::npos;
  return oneLine && TextWidth(label, preferred) <= faceWidth - 8 ? preferred : 1;
}

void DrawKey(Image& img, const Key& key, LabelSizes sizes = {2, 2}) {
  const Color face = StyleOf(key.finger).face;
  const Box cap{float(key.x), float(key.y), float(key.x + key.w - 1), float(key.y + key.h - 1)};
  const Box body{cap.x0 + 1, cap.y0 + 1, cap.x1 - 1, cap.y1 - 1};
  const Box top{cap.x0 + 3, cap.y0 + 2, cap.x1 - 3, cap.y1 - 6};
  FillRoundRect(img, cap, 4, kKeyEdge);
  FillRoundRectV(img, body, 3, Shade(face, 0.84f), Shade(face, 0.64f));
  FillRoundRectV(img, top, 3, Mix(face, Rgb(255, 255, 255), 0.5f),
                 Mix(face, Rgb(255, 255, 255), 0.1f));
  DrawLine(img, top.x0 + 3, top.y0 + 0.5f, top.x1 - 3, top.y0 + 0.5f, 1, Rgb(255, 255, 255, 0.7f));
  const float cx = (top.x0 + top.x1) / 2, cy = (top.y0 + top.y1) / 2;
  DrawTextCentered(img, cx, cy, key.label, LabelScale(key.label, top.x1 - top.x0, sizes), kLabel);
  if (key.bump)
    FillRoundRect(img, {cx - 5, top.y1 - 3, cx + 5, top.y1 - 1.5f}, 0.75f, Shade(face, 0.55f));
}

std::string Upper(char c) {
  return std::string(1, c >= 'a' && c <= 'z' ? c - 32 : c);
}

bool IsHomeKey(char c) {
  return c == 'f' || c == 'j';
}

Key MainKey(int x, int y, int w, char c) {
  return {x, y, w, kelp::kKeyPitch, Upper(c), MainFinger(c), IsHomeKey(c)};
}

Key KeypadKey(int x, int y, int w, int h, char c) {
  return {x, y, w, h, std::string(1, c), KeypadFinger(c), c == '5'};
}

Image Desk(int width, int height) {
  Image img(width, height);
  GradientV(img, 0, 0, width, height, kDeskTop, kDeskBottom);
  return img;
}

// The dark body the keys sit in.
void DrawCase(Image& img, Box box) {
  FillRoundRect(img, {box.x0 - 1, box.y0, box.x1 + 1, box.y1 + 2}, 9, Rgb(0, 0, 0, 0.18f));
  FillRoundRectV(img, box, 8, kCaseTop, kCaseBottom);
  StrokeInside(
      img, box, [box](float x, float y) { return SdRoundBox(x, y, box, 8); }, 1,
      Rgb(255, 255, 255, 0.12f));
}

// A colour swatch and finger name per entry; returns the width used.
float DrawLegendEntry(Image& img, float x, float cy, Finger finger, std::string_view text) {
  const Color face = StyleOf(finger).face;
  FillRoundRect(img, {x, cy - 8, x + 16, cy + 8}, 3, kKeyEdge);
  FillRoundRectV(img, {x + 1, cy - 7, x + 15, cy + 7}, 2, Mix(face, Rgb(255, 255, 255), 0.4f),
                 face);
  DrawText(img, x + 22, cy - 7, text, 2, kDeskText);
  return 22 + TextWidth(text, 2);
}

void DrawFingerLegend(Image& img, float centreX, float cy) {
  const Finger order[] = {Finger::kPinky, Finger::kRing, Finger::kMiddle, Finger::kIndex,
                          Finger::kThumb};
  constexpr float kSpacing = 26;
  float total = -kSpacing;
  for (Finger f : order) total += 22 + TextWidth(StyleOf(f).name, 2) + kSpacing;
  float x = centreX - total / 2;
  for (Finger f : order) x += DrawLegendEntry(img, x, cy, f, StyleOf(f).name) + kSpacing;
}

// ---- kb1: letter keyboard, drawn at kLetterPictureX, kHintPictureY ----

constexpr int kLeft = 2, kRight = 682;  // outer edges of the letter keyboard

void AddRow(std::vector<Key>& keys, const kelp::KeyRow& row, int dx, int dy) {
  for (int i = 0; row.keys[i]; ++i) {
    const kelp::Rect box = kelp::RowKeyBox(row, i);
    keys.push_back(MainKey(box.left - dx, box.top - dy, kelp::kKeyPitch, row.keys[i]));
  }
}

void AddRun(std::vector<Key>& keys, int x, int y, std::string_view chars) {
  for (char c : chars) {
    keys.push_back(MainKey(x, y, kelp::kKeyPitch, c));
    x += kelp::kKeyPitch;
  }
}

kelp::Rect SingleBox(char c) {
  for (const kelp::SingleKey& key : kelp::kSingleKeys)
    if (key.key == c) return key.box;
  return {};
}

std::vector<Key> LetterKeys() {
  constexpr int dx = kelp::kLetterPictureX, dy = kelp::kHintPictureY, pitch = kelp::kKeyPitch;
  const auto& rows = kelp::kLetterRows;
  const int q = rows[0].left - dx, a = rows[1].left - dx, z = rows[2].left - dx;
  const int rowQ = rows[0].top - dy, rowA = rows[1].top - dy, rowZ = rows[2].top - dy;
  const int rowNum = rowQ - pitch;
  const int one = q - pitch / 2 - 1;  // the digit row starts half a key left of the top letter row
  const kelp::Rect space = SingleBox(' ');
  const int spaceL = space.left - dx, spaceR = space.right - dx, rowSpace = space.top - dy;

  std::vector<Key> keys;
  auto wide = [&keys](int left, int right, int y, const char* label,
                      Finger finger = Finger::kNone) {
    keys.push_back({left, y, right - left, pitch, label, finger});
  };
  wide(kLeft, one, rowNum, "`", Finger::kPinky);
  AddRun(keys, one, rowNum, "1234567890-=");
  wide(one + 12 * pitch, kRight, rowNum, "Back");

  wide(kLeft, q, rowQ, "Tab");
  AddRow(keys, rows[0], dx, dy);
  AddRun(keys, q + 10 * pitch, rowQ, "[]");
  wide(q + 12 * pitch, kRight, rowQ, "\\", Finger::kPinky);

  wide(kLeft, a, rowA, "Caps");
  AddRow(keys, rows[1], dx, dy);
  AddRun(keys, a + 9 * pitch, rowA, ";'");
  wide(a + 11 * pitch, kRight, rowA, "Enter");

  wide(kLeft, z, rowZ, "Shift");
  AddRow(keys, rows[2], dx, dy);
  AddRun(keys, z + 7 * pitch, rowZ, ",./");
  wide(z + 10 * pitch, kRight, rowZ, "Shift");

  wide(kLeft, 64, rowSpace, "Ctrl");
  wide(64, 122, rowSpace, "Win");
  wide(122, spaceL, rowSpace, "Alt");
  wide(spaceL, spaceR, rowSpace, "", Finger::kThumb);
  wide(spaceR, spaceR + 57, rowSpace, "Alt");
  wide(spaceR + 57, spaceR + 114, rowSpace, "Win");
  wide(spaceR + 114, spaceR + 171, rowSpace, "Fn");
  wide(spaceR + 171, kRight, rowSpace, "Ctrl");
  return keys;
}

Image LetterKeyboard() {
  Image img = Desk(kelp::kHintPictureWidth, kelp::kHintPictureHeight);
  DrawCase(img, {-10, -10, 692, 232});
  for (const Key& key : LetterKeys()) DrawKey(img, key);
  DrawFingerLegend(img, 342, 251);
  return img;
}

// ---- kb2: numeric keypad, drawn at kKeypadPictureX, kHintPictureY ----

std::vector<Key> KeypadKeys() {
  constexpr int dx = kelp::kKeypadPictureX, dy = kelp::kHintPictureY;
  std::vector<Key> keys;
  for (const kelp::KeyRow& row : kelp::kKeypadRows)
    for (int i = 0; row.keys[i]; ++i) {
      const kelp::Rect box = kelp::RowKeyBox(row, i);
      keys.push_back(
          KeypadKey(box.left - dx, box.top - dy, kelp::kKeyPitch, kelp::kKeyPitch, row.keys[i]));
    }
  for (char c : std::string_view("0./*-+")) {
    const kelp::Rect box = SingleBox(c);
    keys.push_back(
        KeypadKey(box.left - dx, box.top - dy, box.right - box.left, box.bottom - box.top, c));
  }
  // Num Lock left of "/", Enter below "+" and two rows high.
  const kelp::Rect slash = SingleBox('/'), plus = SingleBox('+');
  keys.push_back({slash.left - kelp::kKeyPitch - dx, slash.top - dy, kelp::kKeyPitch,
                  kelp::kKeyPitch, "Num\nLock", Finger::kIndex});
  keys.push_back({plus.left - dx, plus.bottom - dy, plus.right - plus.left, 2 * kelp::kKeyPitch,
                  "Enter", Finger::kPinky});
  return keys;
}

void DrawKeypadGuide(Image& img, float x, float y) {
  const struct {
    Finger finger;
    const char* keys;
  } rows[] = {
      {Finger::kIndex, "Num 7 4 1"}, {Finger::kMiddle, "/ 8 5 2"}, {Finger::kRing, "* 9 6 3 ."},
      {Finger::kPinky, "- + Enter"}, {Finger::kThumb, "0"},
  };
  DrawText(img, x, y, "Right hand", 2, kDeskText);
  DrawLine(img, x, y + 22.5f, x + 250, y + 22.5f, 1, Rgb(48, 54, 64, 0.35f));
  for (int i = 0; i < 5; ++i) {
    const float cy = y + 48 + 34 * i;
    DrawLegendEntry(img, x, cy, rows[i].finger, StyleOf(rows[i].finger).name);
    DrawText(img, x + 120, cy - 7, rows[i].keys, 2, kLabel);
  }
}

Image Keypad() {
  Image img = Desk(kelp::kHintPictureWidth, kelp::kHintPictureHeight);
  DrawCase(img, {-10, -10, 188, 233});
  for (const Key& key : KeypadKeys()) DrawKey(img, key);
  DrawKeypadGuide(img, 232, 28);
  return img;
}

// ---- kb0: the whole keyboard on a grid of units ----

constexpr float kUnit = 29;
constexpr int kFullX = 9, kFullY = 22;

struct UnitKey {
  float col, row, w, h;
  const char* label;
  Finger finger;
};

int UnitX(float col) {
  return kFullX + static_cast<int>(std::lround(col * kUnit));
}
int UnitY(float row) {
  return kFullY + static_cast<int>(std::lround((row ? row + 0.35f : 0) * kUnit));
}

void AddUnitKey(std::vector<Key>& keys, const UnitKey& k) {
  const int x = UnitX(k.col), y = UnitY(k.row);
  const int height = static_cast<int>(std::lround(k.h * kUnit));
  keys.push_back({x, y, UnitX(k.col + k.w) - x, height, k.label, k.finger});
}

void AddUnitRun(std::vector<Key>& keys, float col, float row, std::string_view chars) {
  for (char c : chars) {
    AddUnitKey(keys, {col, row, 1, 1, "", MainFinger(c)});
    keys.back().label = Upper(c);
    keys.back().bump = IsHomeKey(c);
    col += 1;
  }
}

constexpr Finger N = Finger::kNone;
constexpr UnitKey kFullKeys[] = {
    {0, 0, 1, 1, "Esc", N},
    {2, 0, 1, 1, "F1", N},
    {3, 0, 1, 1, "F2", N},
    {4, 0, 1, 1, "F3", N},
    {5, 0, 1, 1, "F4", N},
    {6.5f, 0, 1, 1, "F5", N},
    {7.5f, 0, 1, 1, "F6", N},
    {8.5f, 0, 1, 1, "F7", N},
    {9.5f, 0, 1, 1, "F8", N},
    {11, 0, 1, 1, "F9", N},
    {12, 0, 1, 1, "F10", N},
    {13, 0, 1, 1, "F11", N},
    {14, 0, 1, 1, "F12", N},
    {15.5f, 0, 1, 1, "Prt\nSc", N},
    {16.5f, 0, 1, 1, "Scr\nLk", N},
    {17.5f, 0, 1, 1, "Brk", N},
    {13, 1, 2, 1, "Back", N},
    {0, 2, 1.5f, 1, "Tab", N},
    {0, 3, 1.75f, 1, "Caps", N},
    {12.75f, 3, 2.25f, 1, "Enter", N},
    {0, 4, 2.25f, 1, "Shift", N},
    {12.25f, 4, 2.75f, 1, "Shift", N},
    {0, 5, 1.25f, 1, "Ctrl", N},
    {1.25f, 5, 1.25f, 1, "Win", N},
    {2.5f, 5, 1.25f, 1, "Alt", N},
    {3.75f, 5, 6.25f, 1, "", Finger::kThumb},
    {10, 5, 1.25f, 1, "Alt", N},
    {11.25f, 5, 1.25f, 1, "Win", N},
    {12.5f, 5, 1.25f, 1, "Menu", N},
    {13.75f, 5, 1.25f, 1, "Ctrl", N},
    {15.5f, 1, 1, 1, "Ins", N},
    {16.5f, 1, 1, 1, "Home", N},
    {17.5f, 1, 1, 1, "PgUp", N},
    {15.5f, 2, 1, 1, "Del", N},
    {16.5f, 2, 1, 1, "End", N},
    {17.5f, 2, 1, 1, "PgDn", N},
    {16.5f, 4, 1, 1, "\x01", N},  // arrow glyphs of art_font.h
    {15.5f, 5, 1, 1, "\x03", N},
    {16.5f, 5, 1, 1, "\x02", N},
    {17.5f, 5, 1, 1, "\x04", N},
    {19, 1, 1, 1, "Num", Finger::kIndex},
    {22, 2, 1, 2, "+", Finger::kPinky},
    {22, 4, 1, 2, "Ent", Finger::kPinky},
    {19, 5, 2, 1, "0", Finger::kThumb},
    {21, 5, 1, 1, ".", Finger::kRing},
};

std::vector<Key> FullKeys() {
  std::vector<Key> keys;
  for (const UnitKey& k : kFullKeys) AddUnitKey(keys, k);
  AddUnitRun(keys, 0, 1, "`1234567890-=");
  AddUnitRun(keys, 1.5f, 2, "qwertyuiop[]");
  AddUnitRun(keys, 13.5f, 2, "\\");
  keys.back().w = UnitX(15) - keys.back().x;
  AddUnitRun(keys, 1.75f, 3, "asdfghjkl;'");
  AddUnitRun(keys, 2.25f, 4, "zxcvbnm,./");
  const char* pad[] = {"/*-", "789", "456", "123"};
  for (int r = 0; r < 4; ++r) {
    for (int i = 0; pad[r][i]; ++i) {
      const char c = pad[r][i];
      const int x = UnitX(19 + i + (r == 0)), y = UnitY(1 + r);
      keys.push_back(KeypadKey(x, y, UnitX(20 + i + (r == 0)) - x, static_cast<int>(kUnit), c));
    }
  }
  return keys;
}

void DrawLockLights(Image& img) {
  const char* names[] = {"Num", "Caps", "Scr"};
  for (int i = 0; i < 3; ++i) {
    const float cx = UnitX(19.5f + i * 1.1f) + 6, cy = UnitY(0) + 8;
    FillCircle(img, cx, cy, 3.5f, Rgb(20, 24, 28));
    FillCircle(img, cx, cy, 2.5f, i == 0 ? Rgb(120, 230, 120) : Rgb(60, 80, 62));
    DrawTextCentered(img, cx, cy + 13, names[i], 1, Rgb(200, 206, 214));
  }
}

Image FullKeyboard() {
  Image img = Desk(kelp::kHintPictureWidth, kelp::kHintPictureHeight);
  DrawCase(img, {kFullX - 8.f, kFullY - 8.f, UnitX(23) + 7.f, UnitY(6) + 7.f});
  for (const Key& key : FullKeys()) DrawKey(img, key, {1.5f, 1});
  DrawLockLights(img);
  DrawFingerLegend(img, 342, 258);
  return img;
}

}  // namespace

bool WriteKeyboards(const std::string& dir) {
  bool ok = WriteBmp(PathIn(dir, kelp::kLetterKeysPicture), LetterKeyboard());
  ok &= WriteBmp(PathIn(dir, kelp::kKeypadPicture), Keypad());
  ok &= WriteBmp(PathIn(dir, kelp::kLayoutPicture), FullKeyboard());
  return ok;
}

}  // namespace art
