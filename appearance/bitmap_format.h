#pragma once

#include "platform/byte_order.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The headers of a Windows bitmap file: "BM" and the 14-byte file header, then an
// info header (BITMAPCOREHEADER, BITMAPINFOHEADER or a later one that extends it),
// the palette or colour masks, and the pixels.
namespace kelp::bmp {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestInfoHeaderSize = 124;  // BITMAPV5HEADER

// A little-endian field, at its offset from the start of the file.
struct Field {
  std::size_t offset;
  int size;
};

constexpr Field kFileSize{2, 4};
constexpr Field kPixelOffset{10, 4};
constexpr Field kInfoSize{14, 4};
// BITMAPINFOHEADER and its successors
constexpr Field kWidth{18, 4};
constexpr Field kHeight{22, 4};  // negative when top-down
constexpr Field kPlanes{26, 2};
constexpr Field kBitCount{28, 2};
constexpr Field kCompression{30, 4};
constexpr Field kImageSize{34, 4};
constexpr Field kXResolution{38, 4};  // pixels a metre
constexpr Field kYResolution{42, 4};
constexpr Field kColorsUsed{46, 4};
// BITMAPCOREHEADER
constexpr Field kCoreWidth{18, 2};
constexpr Field kCoreHeight{20, 2};
constexpr Field kCorePlanes{22, 2};
constexpr Field kCoreBitCount{24, 2};

// The caller checks that the field lies inside `bytes`.
constexpr std::uint32_t Read(std::string_view bytes, Field field) {
  return ReadLe(bytes, field.offset, field.size);
}

inline void Put(std::string& bytes, Field field, std::uint32_t value) {
  bytes.replace(field.offset, field.size, LeBytes(value, field.size));
}

// The file and info headers of a picture at 72 dpi (top-down when `height` is
// negative), to be followed by `colors` palette entries and `pixelBytes` of pixels.
inline std::string Headers(int width, int height, int bits, std::uint32_t compression,
                           std::uint32_t pixelBytes, std::uint32_t colors = 0) {
  std::string bytes = "BM" + std::string(kFileHeaderSize + kInfoHeaderSize - 2, '\0');
  const auto pixelOffset = static_cast<std::uint32_t>(bytes.size() + 4 * colors);
  Put(bytes, kFileSize, pixelOffset + pixelBytes);
  Put(bytes, kPixelOffset, pixelOffset);
  Put(bytes, kInfoSize, kInfoHeaderSize);
  Put(bytes, kWidth, static_cast<std::uint32_t>(width));
  Put(bytes, kHeight, static_cast<std::uint32_t>(height));
  Put(bytes, kPlanes, 1);
  Put(bytes, kBitCount, static_cast<std::uint32_t>(bits));
  Put(bytes, kCompression, compression);
  Put(bytes, kImageSize, pixelBytes);
  Put(bytes, kXResolution, 2835);
  Put(bytes, kYResolution, 2835);
  Put(bytes, kColorsUsed, colors);
  return bytes;
}

}  // namespace kelp::bmp
