#pragma once

#include "appearance/bitmap_format.h"
#include "platform/geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Reads the shape of a Windows bitmap file from its first bytes, so that a
// picture can be judged before anything is loaded or changed, and turns the
// stored rows of its top-left corner into pixels (run-length encoded pixels:
// rle_decoder.h).
namespace kelp {

// Enough bytes for the file header, the largest info header and a 256-colour palette.
constexpr int kBitmapHeaderBytes = bmp::kFileHeaderSize + bmp::kLargestInfoHeaderSize + 256 * 4;

// A background must cover the client area.
constexpr int kMinBackgroundWidth = kClientWidth;
constexpr int kMinBackgroundHeight = kClientHeight;

struct BitmapShape {
  int width = 0;
  int height = 0;  // always positive; top-down bitmaps are flagged
  int bitCount = 0;
  bool topDown = false;
  std::uint32_t compression = 0;
  std::uint64_t pixelOffset = 0;
  std::uint64_t rowBytes = 0;  // a stored row with its padding
  int paletteSize = 0;         // colours up to 8 bits a pixel
  std::array<std::uint32_t, 256> palette{};
  std::array<std::uint32_t, 3> masks{};  // red, green, blue at 16 and 32 bits a pixel
};

// Compression codes of an info header the program draws.
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kRle8 = 1;          // BI_RLE8
constexpr std::uint32_t kRle4 = 2;          // BI_RLE4
constexpr std::uint32_t kBitFields = 3;     // BI_BITFIELDS

enum class HeaderVerdict {
  kValid,
  kDamaged,   // no BMP, a header no writer makes, pixels past the end of the file
  kTooLarge,  // sides or pixel data beyond what the program holds
};

struct BitmapHeader {
  HeaderVerdict verdict = HeaderVerdict::kDamaged;
  BitmapShape shape;  // when valid
};

// Valid when the bytes start a plausible BMP: "BM", a known info header, one
// plane, a usual bit count (8 for RLE8, 4 for RLE4, which are bottom-up),
// sides within the limits, the palette and the colour masks among the bytes,
// pixel data of a size the program can hold and, for uncompressed pictures, all
// of it inside a file of `fileSize` bytes.
BitmapHeader ReadBitmapHeader(std::string_view firstBytes, std::uint64_t fileSize);

// The page shows the top-left 700 x 450 pixels; a smaller picture cannot fill it.
bool IsLargeEnoughForBackground(const BitmapShape& shape);

// Uncompressed, run-length encoded, or colour masks at 16 or 32 bits a pixel;
// embedded JPEG or PNG and unknown codes are not drawn.
bool IsDrawable(const BitmapShape& shape);
bool IsRunLengthEncoded(const BitmapShape& shape);

// What the background command makes of a chosen picture, from its header: too
// small once its shape is known; unreadable when damaged or in a format that is
// not drawn. Its pixels may still turn out damaged.
enum class BackgroundVerdict { kTaken, kTooSmall, kTooLarge, kUnreadable };
BackgroundVerdict JudgeBackground(const BitmapHeader& header);

// The part of the picture the page shows: its top-left corner, at most 700 x 450.
int ShownWidth(const BitmapShape& shape);
int ShownHeight(const BitmapShape& shape);

// Where the row shown `y` rows from the top of a picture that is not run-length
// encoded starts in the file; bottom-up pictures store it from the end.
std::uint64_t ShownRowOffset(const BitmapShape& shape, int y);
// The bytes of a stored row that hold its first `count` pixels.
std::size_t RowBytesFor(const BitmapShape& shape, int count);

// The first `count` pixels of a stored row of such a picture, as 0x00RRGGBB
// (a 32-bit DIB pixel). `row` holds at least RowBytesFor(shape, count) bytes.
void DecodeRow(const BitmapShape& shape, std::string_view row, int count, std::uint32_t* pixels);

}  // namespace kelp
