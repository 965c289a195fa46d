#include "appearance/bitmap_check.h"

namespace kelp {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestInfoHeaderSize = 124;  // BITMAPV5HEADER
constexpr std::uint32_t kUncompressed = 0;             // BI_RGB
constexpr std::uint32_t kBitFields = 3;                // BI_BITFIELDS
// A background far beyond any screen is refused rather than loaded whole.
constexpr std::int64_t kMaxSide = 32767;
constexpr std::int64_t kMaxPixelBytes = std::int64_t{256} << 20;

std::uint32_t ReadUnsigned(std::string_view bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

std::int32_t ReadSigned32(std::string_view bytes, std::size_t offset) {
  return static_cast<std::int32_t>(ReadUnsigned(bytes, offset, 4));
}

bool IsUsualBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::optional<BitmapShape> ParseBitmapHeader(std::string_view bytes, std::uint64_t fileSize) {
  if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t infoSize = ReadUnsigned(bytes, kFileHeaderSize, 4);
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t planes = 0;
  std::uint32_t compression = kUncompressed;
  BitmapShape shape;
  if (infoSize == kCoreHeaderSize) {
    if (bytes.size() < kFileHeaderSize + kCoreHeaderSize) return std::nullopt;
    width = ReadUnsigned(bytes, 18, 2);
    height = ReadUnsigned(bytes, 20, 2);
    planes = ReadUnsigned(bytes, 22, 2);
    shape.bitCount = static_cast<int>(ReadUnsigned(bytes, 24, 2));
  } else if (infoSize >= kInfoHeaderSize && infoSize <= kLargestInfoHeaderSize) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
    width = ReadSigned32(bytes, 18);
    height = ReadSigned32(bytes, 22);
    planes = ReadUnsigned(bytes, 26, 2);
    shape.bitCount = static_cast<int>(ReadUnsigned(bytes, 28, 2));
    compression = ReadUnsigned(bytes, 30, 4);
  } else {
    return std::nullopt;
  }
  if (height < 0) {
    shape.topDown = true;
    height = -height;  // 64-bit: INT32_MIN cannot overflow here
  }
  if (planes != 1 || !IsUsualBitCount(shape.bitCount)) return std::nullopt;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
  const std::int64_t rowBytes = (width * shape.bitCount + 31) / 32 * 4;
  const std::int64_t pixelBytes = rowBytes * height;
  if (pixelBytes > kMaxPixelBytes) return std::nullopt;
  // A compressed picture's size is known only by decoding it.
  const bool sizeKnown = compression == kUncompressed || compression == kBitFields;
  const std::uint64_t pixelOffset = ReadUnsigned(bytes, 10, 4);
  if (sizeKnown && pixelOffset + static_cast<std::uint64_t>(pixelBytes) > fileSize)
    return std::nullopt;
  shape.width = static_cast<int>(width);
  shape.height = static_cast<int>(height);
  return shape;
}

bool IsLargeEnoughForBackground(const BitmapShape& shape) {
  return shape.width >= kMinBackgroundWidth && shape.height >= kMinBackgroundHeight;
}

}  // namespace kelp
