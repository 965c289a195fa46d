#include "appearance/bitmap_check.h"

#include "appearance/bitmap_format.h"
#include "platform/byte_order.h"

#include <algorithm>
#include <bit>

namespace kelp {

namespace {

using bmp::kCoreHeaderSize, bmp::kFileHeaderSize, bmp::kInfoHeaderSize;
constexpr std::size_t kMasksOffset = kFileHeaderSize + kInfoHeaderSize;
// A picture far beyond any screen is refused.
constexpr std::int64_t kMaxSide = 32767;
constexpr std::int64_t kMaxPixelBytes = std::int64_t{256} << 20;

std::int32_t ReadSigned(std::string_view bytes, bmp::Field field) {
  return static_cast<std::int32_t>(bmp::Read(bytes, field));
}

bool IsUsualBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Palette entries are blue, green, red (and a spare byte after an info header).
bool ReadPalette(std::string_view bytes, std::uint32_t infoSize, std::uint32_t colorsUsed,
                 BitmapShape& shape) {
  if (shape.bitCount > 8) return true;
  const int most = 1 << shape.bitCount;
  shape.paletteSize = colorsUsed > 0 && colorsUsed < std::uint32_t(most) ? int(colorsUsed) : most;
  const std::size_t entry = infoSize == kCoreHeaderSize ? 3 : 4;
  const std::size_t start = kFileHeaderSize + infoSize;
  if (start + entry * shape.paletteSize > bytes.size()) return false;
  for (int i = 0; i < shape.paletteSize; ++i)
    shape.palette[i] = ReadLe(bytes, start + entry * i, 3);
  return true;
}

bool ReadMasks(std::string_view bytes, BitmapShape& shape) {
  if (shape.compression == kBitFields) {
    if (bytes.size() < kMasksOffset + 12) return false;
    for (int i = 0; i < 3; ++i) shape.masks[i] = ReadLe32(bytes, kMasksOffset + 4 * i);
  } else if (shape.bitCount == 16) {
    shape.masks = {0x7C00, 0x03E0, 0x001F};
  } else if (shape.bitCount == 32) {
    shape.masks = {0xFF0000, 0x00FF00, 0x0000FF};
  }
  return true;
}

// One colour component scaled to 8 bits.
std::uint32_t Component(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int width = std::bit_width(mask >> shift);
  const std::uint32_t part = (value & mask) >> shift;
  if (width >= 8) return part >> (width - 8);
  return part * 255 / ((1u << width) - 1);
}

}  // namespace

BitmapHeader ReadBitmapHeader(std::string_view bytes, std::uint64_t fileSize) {
  BitmapHeader result;
  if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') return result;
  const std::uint32_t infoSize = bmp::Read(bytes, bmp::kInfoSize);
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t planes = 0;
  std::uint32_t colorsUsed = 0;
  BitmapShape shape;
  if (infoSize == kCoreHeaderSize) {
    if (bytes.size() < kFileHeaderSize + kCoreHeaderSize) return result;
    width = bmp::Read(bytes, bmp::kCoreWidth);
    height = bmp::Read(bytes, bmp::kCoreHeight);
    planes = bmp::Read(bytes, bmp::kCorePlanes);
    shape.bitCount = static_cast<int>(bmp::Read(bytes, bmp::kCoreBitCount));
  } else if (infoSize >= kInfoHeaderSize && infoSize <= bmp::kLargestInfoHeaderSize) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) return result;
    width = ReadSigned(bytes, bmp::kWidth);
    height = ReadSigned(bytes, bmp::kHeight);
    planes = bmp::Read(bytes, bmp::kPlanes);
    shape.bitCount = static_cast<int>(bmp::Read(bytes, bmp::kBitCount));
    shape.compression = bmp::Read(bytes, bmp::kCompression);
    colorsUsed = bmp::Read(bytes, bmp::kColorsUsed);
  } else {
    return result;
  }
  if (height < 0) {
    shape.topDown = true;
    height = -height;  // 64-bit: INT32_MIN cannot overflow here
  }
  if (planes != 1 || !IsUsualBitCount(shape.bitCount) || width <= 0 || height == 0) return result;
  // Run-length encoded pixels have one bit count each and are stored bottom-up.
  if ((shape.compression == kRle8 && shape.bitCount != 8) ||
      (shape.compression == kRle4 && shape.bitCount != 4) ||
      (IsRunLengthEncoded(shape) && shape.topDown))
    return result;
  const std::int64_t rowBytes = (width * shape.bitCount + 31) / 32 * 4;
  if (width > kMaxSide || height > kMaxSide || rowBytes * height > kMaxPixelBytes) {
    result.verdict = HeaderVerdict::kTooLarge;
    return result;
  }
  // A compressed picture's size is known only by decoding it.
  const bool sizeKnown = shape.compression == kUncompressed || shape.compression == kBitFields;
  shape.pixelOffset = bmp::Read(bytes, bmp::kPixelOffset);
  if (sizeKnown && shape.pixelOffset + static_cast<std::uint64_t>(rowBytes * height) > fileSize)
    return result;
  if (!ReadPalette(bytes, infoSize, colorsUsed, shape) || !ReadMasks(bytes, shape)) return result;
  shape.width = static_cast<int>(width);
  shape.height = static_cast<int>(height);
  shape.rowBytes = static_cast<std::uint64_t>(rowBytes);
  result.verdict = HeaderVerdict::kValid;
  result.shape = shape;
  return result;
}

bool IsLargeEnoughForBackground(const BitmapShape& shape) {
  return shape.width >= kMinBackgroundWidth && shape.height >= kMinBackgroundHeight;
}

bool IsDrawable(const BitmapShape& shape) {
  return shape.compression == kUncompressed || IsRunLengthEncoded(shape) ||
         (shape.compression == kBitFields && (shape.bitCount == 16 || shape.bitCount == 32));
}

bool IsRunLengthEncoded(const BitmapShape& shape) {
  return shape.compression == kRle8 || shape.compression == kRle4;
}

BackgroundVerdict JudgeBackground(const BitmapHeader& header) {
  if (header.verdict == HeaderVerdict::kTooLarge) return BackgroundVerdict::kTooLarge;
  if (header.verdict != HeaderVerdict::kValid) return BackgroundVerdict::kUnreadable;
  if (!IsLargeEnoughForBackground(header.shape)) return BackgroundVerdict::kTooSmall;
  if (!IsDrawable(header.shape)) return BackgroundVerdict::kUnreadable;
  return BackgroundVerdict::kTaken;
}

int ShownWidth(const BitmapShape& shape) {
  return std::min(shape.width, kMinBackgroundWidth);
}

int ShownHeight(const BitmapShape& shape) {
  return std::min(shape.height, kMinBackgroundHeight);
}

std::uint64_t ShownRowOffset(const BitmapShape& shape, int y) {
  const int stored = shape.topDown ? y : shape.height - 1 - y;
  return shape.pixelOffset + static_cast<std::uint64_t>(stored) * shape.rowBytes;
}

std::size_t RowBytesFor(const BitmapShape& shape, int count) {
  return (static_cast<std::size_t>(count) * shape.bitCount + 7) / 8;
}

void DecodeRow(const BitmapShape& shape, std::string_view row, int count, std::uint32_t* pixels) {
  const int bits = shape.bitCount;
  for (int x = 0; x < count; ++x) {
    if (bits <= 8) {
      const std::size_t bit = static_cast<std::size_t>(x) * bits;
      const unsigned byte = static_cast<unsigned char>(row[bit / 8]);
      const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
      pixels[x] = static_cast<int>(index) < shape.paletteSize ? shape.palette[index] : 0;
    } else if (bits == 24) {
      pixels[x] = ReadLe(row, 3 * static_cast<std::size_t>(x), 3);
    } else {
      const std::uint32_t value = ReadLe(row, bits / 8 * static_cast<std::size_t>(x), bits / 8);
      pixels[x] = Component(value, shape.masks[0]) << 16 | Component(value, shape.masks[1]) << 8 |
                  Component(value, shape.masks[2]);
    }
  }
}

}  // namespace kelp
