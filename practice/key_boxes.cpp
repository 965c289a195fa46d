#include "practice/key_boxes.h"

namespace kelp {

namespace {

std::optional<Rect> FindInRows(const KeyRow* rows, int count, unsigned char c) {
  for (int r = 0; r < count; ++r) {
    for (int j = 0; rows[r].keys[j] != '\0'; ++j) {
      if (static_cast<unsigned char>(rows[r].keys[j]) == c) return RowKeyBox(rows[r], j);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<Rect> FindKeyBox(unsigned char c) {
  if (auto box = FindInRows(kLetterRows, 3, c)) return box;
  if (auto box = FindInRows(kKeypadRows, 3, c)) return box;
  for (const SingleKey& single : kSingleKeys) {
    if (static_cast<unsigned char>(single.key) == c) return single.box;
  }
  return std::nullopt;
}

}  // namespace kelp
