#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Reads the shape of a Windows bitmap file from its first bytes, so that a
// picture can be judged before anything is loaded or changed.
namespace kelp {

// Enough bytes for the file header and any info header we read.
constexpr int kBitmapHeaderBytes = 54;

constexpr int kMinBackgroundWidth = 700;
constexpr int kMinBackgroundHeight = 450;

struct BitmapShape {
  int width = 0;
  int height = 0;  // always positive; top-down bitmaps are flagged
  int bitCount = 0;
  bool topDown = false;
};

// Nothing unless the bytes start a plausible BMP: "BM", a known info header,
// one plane, a usual bit count, sides within the limits, pixel data of a size
// the program can hold and, for uncompressed pictures, all of it inside a file
// of `fileSize` bytes.
std::optional<BitmapShape> ParseBitmapHeader(std::string_view firstBytes, std::uint64_t fileSize);

// The page shows the top-left 700 x 450 pixels; a smaller picture cannot fill it.
bool IsLargeEnoughForBackground(const BitmapShape& shape);

}  // namespace kelp
