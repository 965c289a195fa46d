#include "appearance/bitmap_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace kelp {
namespace {

void Put(std::string& bytes, std::size_t offset, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// File header and BITMAPINFOHEADER of an uncompressed picture.
std::string InfoHeader(std::int32_t width, std::int32_t height, int bits = 24, int planes = 1) {
  std::string bytes = "BM" + std::string(52, '\0');
  Put(bytes, 10, 54, 4);
  Put(bytes, 14, 40, 4);
  Put(bytes, 18, static_cast<std::uint32_t>(width), 4);
  Put(bytes, 22, static_cast<std::uint32_t>(height), 4);
  Put(bytes, 26, planes, 2);
  Put(bytes, 28, bits, 2);
  return bytes;
}

std::string CoreHeader(int width, int height, int bits) {
  std::string bytes = "BM" + std::string(24, '\0');
  Put(bytes, 14, 12, 4);
  Put(bytes, 18, width, 2);
  Put(bytes, 20, height, 2);
  Put(bytes, 22, 1, 2);
  Put(bytes, 24, bits, 2);
  return bytes;
}

constexpr std::uint64_t kRoomy = std::uint64_t{1} << 30;

std::optional<BitmapShape> Parse(std::string_view bytes) {
  return ParseBitmapHeader(bytes, kRoomy);
}

TEST(BitmapCheck, ReadsUsualHeaders) {
  const auto shape = Parse(InfoHeader(800, 600));
  ASSERT_TRUE(shape);
  EXPECT_EQ(shape->width, 800);
  EXPECT_EQ(shape->height, 600);
  EXPECT_EQ(shape->bitCount, 24);
  EXPECT_FALSE(shape->topDown);

  const auto topDown = Parse(InfoHeader(700, -450, 32));
  ASSERT_TRUE(topDown);
  EXPECT_EQ(topDown->height, 450);
  EXPECT_TRUE(topDown->topDown);

  const auto core = Parse(CoreHeader(1024, 768, 8));
  ASSERT_TRUE(core);
  EXPECT_EQ(core->height, 768);

  std::string v5 = InfoHeader(640, 480, 4);
  Put(v5, 14, 124, 4);
  EXPECT_TRUE(Parse(v5));
}

TEST(BitmapCheck, RefusesAbsurdOrBrokenHeaders) {
  EXPECT_FALSE(Parse(""));
  EXPECT_FALSE(Parse(InfoHeader(800, 600).substr(0, 53)));
  EXPECT_FALSE(Parse(CoreHeader(800, 600, 24).substr(0, 25)));
  EXPECT_FALSE(Parse(InfoHeader(0, 600)));
  EXPECT_FALSE(Parse(InfoHeader(-800, 600)));
  EXPECT_FALSE(Parse(InfoHeader(800, INT32_MIN)));
  EXPECT_FALSE(Parse(InfoHeader(30000, 30000, 32)));  // gigabytes of pixels
  EXPECT_FALSE(Parse(InfoHeader(800, 600, 7)));
  EXPECT_FALSE(Parse(InfoHeader(800, 600, 24, 0)));
  std::string oddInfo = InfoHeader(800, 600);
  Put(oddInfo, 14, 39, 4);
  EXPECT_FALSE(Parse(oddInfo));
}

TEST(BitmapCheck, UncompressedPixelsMustLieInsideTheFile) {
  const std::string header = InfoHeader(701, 450);  // rows of 2104 bytes after 54 header bytes
  const std::uint64_t whole = 54 + 2104 * 450;
  EXPECT_TRUE(ParseBitmapHeader(header, whole));
  EXPECT_FALSE(ParseBitmapHeader(header, whole - 1));
  std::string farOffset = header;
  Put(farOffset, 10, 0xFFFFFFFF, 4);
  EXPECT_FALSE(ParseBitmapHeader(farOffset, whole));
  // Run-length encoded: the size shows only when decoding.
  std::string encoded = InfoHeader(800, 600, 8);
  Put(encoded, 30, 1, 4);
  EXPECT_TRUE(ParseBitmapHeader(encoded, 2000));
}

TEST(BitmapCheck, BackgroundMustCoverThePage) {
  EXPECT_TRUE(IsLargeEnoughForBackground({700, 450, 24, false}));
  EXPECT_FALSE(IsLargeEnoughForBackground({699, 450, 24, false}));
  EXPECT_FALSE(IsLargeEnoughForBackground({700, 449, 24, false}));
}

}  // namespace
}  // namespace kelp
