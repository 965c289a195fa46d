#pragma once

#include "appearance/bitmap_check.h"

#include <cstdint>
#include <string_view>
#include <vector>

// Decodes the run-length encoded pixels of an RLE8 or RLE4 bitmap as its
// stream is read, piece by piece, keeping only the shown top-left corner.
namespace kelp {

// The longest stream a picture of this shape needs: a one-pixel delta (4 bytes)
// for every pixel, a line end for every row and the end of the bitmap. Longer
// streams only stand still.
std::uint64_t MaxRleStreamBytes(const BitmapShape& shape);

class RleDecoder {
 public:
  // `shape` is run-length encoded (IsRunLengthEncoded), hence bottom-up.
  explicit RleDecoder(const BitmapShape& shape);

  // The next bytes of the stream, in pieces of any size; bytes after the end are left.
  void Feed(std::string_view bytes);
  // The end of the bitmap came, or a run or a delta went past the row end or the
  // picture, which ends decoding there with what was decoded so far. A stream
  // that runs out before either is cut short.
  bool ended() const { return step_ == Step::kEnded; }
  // The shown corner, ShownWidth x ShownHeight, top row first, as 0x00RRGGBB.
  // Pixels no run reaches keep the colour of palette index 0, as a new picture
  // of that palette holds them (Windows leaves them to whatever lies below).
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }

 private:
  enum class Step { kCount, kIndex, kEscape, kDeltaX, kDeltaY, kAbsolute, kPadding, kEnded };

  void Take(unsigned byte);
  void Put(unsigned index);
  std::uint32_t Color(unsigned index) const;

  const BitmapShape shape_;
  const int shownWidth_;
  const int firstShownRow_;  // the lowest stored row that is shown
  std::vector<std::uint32_t> pixels_;
  Step step_ = Step::kCount;
  int x_ = 0;
  int y_ = 0;           // stored row, 0 at the bottom
  unsigned count_ = 0;  // pixels left of the run
  unsigned deltaX_ = 0;
  bool padded_ = false;  // an absolute run whose bytes end on an odd count
};

}  // namespace kelp
