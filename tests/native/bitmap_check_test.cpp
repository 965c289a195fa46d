#include "appearance/bitmap_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace kelp {
namespace {

using namespace std::string_literals;
using bmp::Put;

// File header and BITMAPINFOHEADER of an uncompressed picture.
std::string InfoHeader(std::int32_t width, std::int32_t height, int bits = 24, int planes = 1) {
  std::string bytes = bmp::Headers(width, height, bits, kUncompressed, 0);
  Put(bytes, bmp::kPlanes, planes);
  return bytes;
}

std::string CoreHeader(int width, int height, int bits) {
  std::string bytes = "BM" + std::string(24, '\0');
  Put(bytes, bmp::kInfoSize, bmp::kCoreHeaderSize);
  Put(bytes, bmp::kCoreWidth, width);
  Put(bytes, bmp::kCoreHeight, height);
  Put(bytes, bmp::kCorePlanes, 1);
  Put(bytes, bmp::kCoreBitCount, bits);
  return bytes;
}

constexpr std::uint64_t kRoomy = std::uint64_t{1} << 30;

std::optional<BitmapShape> Parse(std::string_view bytes, std::uint64_t fileSize = kRoomy) {
  const BitmapHeader header = ReadBitmapHeader(bytes, fileSize);
  if (header.verdict != HeaderVerdict::kValid) return std::nullopt;
  return header.shape;
}

// The layout written out by hand: 2 x 3 pixels, 8 bits, RLE8, 20 pixel bytes, 2 colours.
TEST(BitmapCheck, WritesTheHeadersOfTheFileFormat) {
  EXPECT_EQ(bmp::Headers(2, 3, 8, kRle8, 20, 2),
            "BM\x52\0\0\0\0\0\0\0\x3e\0\0\0\x28\0\0\0\x02\0\0\0\x03\0\0\0\x01\0\x08\0"
            "\x01\0\0\0\x14\0\0\0\x13\x0b\0\0\x13\x0b\0\0\x02\0\0\0\0\0\0\0"s);
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

  // Palettes of three-byte entries after a core header (1024 x 600 x 8, written out by hand),
  // four-byte ones after the others.
  const std::string core = "BM" + std::string(12, '\0') + "\x0c\0\0\0\0\x04\x58\x02\x01\0\x08\0"s +
                           std::string(256 * 3, '\x01');
  const auto coreShape = Parse(core);
  ASSERT_TRUE(coreShape);
  EXPECT_EQ(coreShape->width, 1024);
  EXPECT_EQ(coreShape->height, 600);
  EXPECT_EQ(coreShape->bitCount, 8);
  EXPECT_EQ(coreShape->palette[255], 0x010101u);
  EXPECT_FALSE(Parse(core.substr(0, core.size() - 1)));

  std::string v5 = InfoHeader(640, 480, 4) + std::string(124 - 40 + 16 * 4, '\0');
  Put(v5, bmp::kInfoSize, bmp::kLargestInfoHeaderSize);
  EXPECT_TRUE(Parse(v5));
  EXPECT_FALSE(Parse(v5.substr(0, v5.size() - 1)));
}

TEST(BitmapCheck, UncompressedPixelsMustLieInsideTheFile) {
  const std::string header = InfoHeader(701, 450);  // rows of 2104 bytes after 54 header bytes
  const std::uint64_t whole = 54 + 2104 * 450;
  EXPECT_TRUE(Parse(header, whole));
  EXPECT_FALSE(Parse(header, whole - 1));
  std::string farOffset = header;
  Put(farOffset, bmp::kPixelOffset, 0xFFFFFFFF);
  EXPECT_FALSE(Parse(farOffset, whole));
  // Run-length encoded: the size shows only when decoding.
  std::string encoded = InfoHeader(800, 600, 8) + std::string(1024, '\0');
  Put(encoded, bmp::kCompression, kRle8);
  EXPECT_TRUE(Parse(encoded, 2000));
}

// A 2 x 2 picture, shown rows top first: each format, stored bottom-up and top-down.
TEST(BitmapCheck, DecodesTheShownRowsOfEveryDrawableFormat) {
  struct Case {
    int bits;
    std::uint32_t compression;
    std::string between;  // colour masks or palette
    std::string top, bottom;
    std::uint32_t topLeft, topRight, bottomLeft, bottomRight;
  };
  const std::string palette = std::string("\x10\x20\x30\0\xff\0\0\0\0\0\xff\0", 12);
  const std::string rgbMasks = std::string("\xff\0\0\0\0\xff\0\0\0\0\xff\0", 12);
  const std::string masks565 = std::string("\0\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12);
  const Case cases[] = {
      {24, 0, "", std::string("\0\0\xff\0\xff\0\0\0", 8),
       std::string("\xff\0\0\x01\x02\x03\0\0", 8), 0xFF0000, 0x00FF00, 0x0000FF, 0x030201},
      {32, 0, "", std::string("\x03\x02\x01\x77\0\0\xff\0", 8), std::string(8, '\0'), 0x010203,
       0xFF0000, 0, 0},
      {32, 3, rgbMasks, std::string("\x03\x02\x01\0\0\0\xff\0", 8), std::string(8, '\xff'),
       0x030201, 0x0000FF, 0xFFFFFF, 0xFFFFFF},
      {16, 0, "", std::string("\0\x7c\x1f\0", 4), std::string("\xe0\x03\xff\x7f", 4), 0xFF0000,
       0x0000FF, 0x00FF00, 0xFFFFFF},
      {16, 3, masks565, std::string("\0\xf8\xe0\x07", 4), std::string("\x1f\0\0\0", 4), 0xFF0000,
       0x00FF00, 0x0000FF, 0},
      {8, 0, palette, std::string("\x01\x02\0\0", 4), std::string("\x00\x07\0\0", 4), 0x0000FF,
       0xFF0000, 0x302010, 0},  // index 7 lies past the three colours
      {4, 0, palette, std::string("\x12\0\0\0", 4), std::string("\x20\0\0\0", 4), 0x0000FF,
       0xFF0000, 0xFF0000, 0x302010},
      {1, 0, palette.substr(0, 8), std::string("\x40\0\0\0", 4), std::string("\x80\0\0\0", 4),
       0x302010, 0x0000FF, 0x0000FF, 0x302010},
  };
  for (const Case& c : cases) {
    for (bool topDown : {false, true}) {
      // Masks pass for three colours, which go unread above 8 bits.
      std::string file = bmp::Headers(2, topDown ? -2 : 2, c.bits, c.compression, 0,
                                      static_cast<std::uint32_t>(c.between.size() / 4));
      file += c.between + (topDown ? c.top + c.bottom : c.bottom + c.top);
      const auto shape = Parse(file, file.size());
      ASSERT_TRUE(shape) << c.bits;
      ASSERT_TRUE(IsDrawable(*shape)) << c.bits;
      std::uint32_t shown[2][2] = {};
      for (int y = 0; y < 2; ++y) {
        const std::string_view row =
            std::string_view(file).substr(ShownRowOffset(*shape, y), RowBytesFor(*shape, 2));
        DecodeRow(*shape, row, 2, shown[y]);
      }
      const std::uint32_t expected[2][2] = {{c.topLeft, c.topRight}, {c.bottomLeft, c.bottomRight}};
      EXPECT_EQ(std::memcmp(shown, expected, sizeof shown), 0)
          << c.bits << (topDown ? " top-down" : "");
    }
  }
}

// Only the top-left corner is read: of an 8000 x 8000 bottom-up picture, 450 rows
// of 2100 bytes from the end of the pixels.
TEST(BitmapCheck, HugePictureShowsOnlyItsTopLeftCorner) {
  const auto shape = Parse(InfoHeader(8000, 8000));
  ASSERT_TRUE(shape);
  EXPECT_EQ(ShownWidth(*shape), 700);
  EXPECT_EQ(ShownHeight(*shape), 450);
  EXPECT_EQ(RowBytesFor(*shape, 700), 2100u);
  EXPECT_EQ(ShownRowOffset(*shape, 0), 54u + 7999u * 24000u);
  EXPECT_EQ(ShownRowOffset(*shape, 449), 54u + 7550u * 24000u);
  const auto small = Parse(InfoHeader(300, -200, 8) + std::string(1024, '\0'));
  ASSERT_TRUE(small);
  EXPECT_EQ(ShownWidth(*small), 300);
  EXPECT_EQ(ShownHeight(*small), 200);
  EXPECT_EQ(ShownRowOffset(*small, 1), 54u + 300u);
}

std::string Encoded(std::uint32_t compression, int bits, std::int32_t height = 600) {
  std::string bytes = InfoHeader(800, height, bits) + std::string(1024, '\0');
  Put(bytes, bmp::kCompression, compression);
  return bytes;
}

// What the learner is told: damaged (and formats not drawn) apart from too large
// apart from too small.
TEST(BitmapCheck, TellsDamagedTooLargeAndTooSmallPicturesApart) {
  using enum BackgroundVerdict;
  const auto judge = [](const std::string& bytes, std::uint64_t fileSize = kRoomy) {
    return JudgeBackground(ReadBitmapHeader(bytes, fileSize));
  };
  std::string oddInfo = InfoHeader(800, 600);
  Put(oddInfo, bmp::kInfoSize, 39);
  std::string masked24 = InfoHeader(800, 600, 24) + std::string(12, '\xff');
  Put(masked24, bmp::kCompression, kBitFields);
  for (const std::string& damaged :
       {std::string(), std::string("BM no picture"), InfoHeader(800, 600).substr(0, 53),
        CoreHeader(800, 600, 24).substr(0, 25), InfoHeader(0, 600), InfoHeader(-800, 600),
        InfoHeader(800, 0), InfoHeader(800, 600, 7), InfoHeader(800, 600, 24, 0), oddInfo,
        "BA" + InfoHeader(800, 600).substr(2), "AM" + InfoHeader(800, 600).substr(2),
        Encoded(3, 16).substr(0, 60), Encoded(1, 4), Encoded(2, 8), Encoded(1, 24),
        Encoded(1, 8, -600), Encoded(2, 4, -600)})
    EXPECT_EQ(judge(damaged), kUnreadable) << damaged.size();
  for (const std::string& undrawn :
       {Encoded(4, 8), Encoded(5, 24), Encoded(6, 32), Encoded(99, 8), masked24})
    EXPECT_EQ(judge(undrawn), kUnreadable) << undrawn.size();
  EXPECT_EQ(judge(InfoHeader(800, 600), 54 + 2400 * 600 - 1), kUnreadable);  // pixels cut short

  for (const std::string& huge :
       {InfoHeader(32768, 450), InfoHeader(700, -32768), InfoHeader(800, INT32_MIN),
        InfoHeader(30000, 30000, 32), InfoHeader(16384, 4097, 32), CoreHeader(700, 65535, 24),
        Encoded(1, 8, 0x7FFFFFFF)})
    EXPECT_EQ(judge(huge), kTooLarge) << huge.size();
  EXPECT_EQ(judge(InfoHeader(16384, 4096, 32)), kTaken);  // 256 MiB of pixels, the most held
  EXPECT_EQ(judge(InfoHeader(32767, 450, 1) + std::string(8, '\0')), kTaken);

  for (const std::string& small : {InfoHeader(699, 450), InfoHeader(700, 449), InfoHeader(1, 32767),
                                   Encoded(1, 8, 449), Encoded(4, 8, 300)})
    EXPECT_EQ(judge(small), kTooSmall) << small.size();
  for (const std::string& taken : {InfoHeader(700, 450), InfoHeader(700, -450, 16), Encoded(1, 8),
                                   Encoded(2, 4), Encoded(3, 16), Encoded(3, 32)})
    EXPECT_EQ(judge(taken), kTaken) << taken.size();
}

}  // namespace
}  // namespace kelp
