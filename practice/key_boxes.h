#pragma once

#include "platform/geometry.h"

#include <optional>

// Where each hinted key lies in client coordinates. The keyboard pictures are
// drawn by tools/ from these same tables, so a frame always sits on its key.
namespace kelp {

struct KeyRow {
  const char* keys;  // left to right
  int left;          // left edge of the first box
  int top;
};

struct SingleKey {
  char key;
  Rect box;
};

constexpr int kKeyPitch = 45;
constexpr int kKeySize = 44;

constexpr KeyRow kLetterRows[] = {
    {"qwertyuiop", 80, 225},
    {"asdfghjkl", 98, 270},
    {"zxcvbnm", 120, 315},
};

constexpr KeyRow kKeypadRows[] = {
    {"789", 150, 225},
    {"456", 150, 270},
    {"123", 150, 315},
};

constexpr SingleKey kSingleKeys[] = {
    {'0', {150, 360, 240, 405}}, {'.', {240, 360, 285, 405}}, {'/', {195, 180, 240, 225}},
    {'*', {240, 180, 285, 225}}, {'-', {285, 180, 330, 225}}, {'+', {285, 225, 330, 315}},
    {' ', {200, 360, 470, 405}},
};

// Top-left corner of each hint picture in the client area, and the block drawn.
constexpr int kLetterPictureX = 15;
constexpr int kKeypadPictureX = 150;
constexpr int kHintPictureY = 180;
constexpr int kHintPictureWidth = 700;
constexpr int kHintPictureHeight = 300;

constexpr Rect RowKeyBox(const KeyRow& row, int index) {
  const int left = row.left + kKeyPitch * index;
  return {left, row.top, left + kKeySize, row.top + kKeySize};
}

// The box framed for the next character, or nothing for keys without a hint.
std::optional<Rect> FindKeyBox(unsigned char c);

}  // namespace kelp
