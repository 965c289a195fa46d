#include "appearance/rle_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelp {
namespace {

// Palette entry i is 0x100000 + i, so a pixel never written (index 0) is told
// from black, which stands for an index past the colours in use.
BitmapShape Shape(int width, int height, int bits, int paletteSize = 0) {
  BitmapShape shape{width, height, bits, false, bits == 8 ? kRle8 : kRle4};
  shape.paletteSize = paletteSize ? paletteSize : 1 << bits;
  for (int i = 0; i < 256; ++i) shape.palette[i] = 0x100000 + i;
  return shape;
}

// The shown rows, top first, one character an index (0-9, a-z), '#' for black.
std::vector<std::string> Shown(const RleDecoder& decoder, int width) {
  std::vector<std::string> rows;
  for (std::size_t i = 0; i < decoder.pixels().size(); ++i) {
    if (i % width == 0) rows.emplace_back();
    const std::uint32_t pixel = decoder.pixels()[i];
    const int index = static_cast<int>(pixel) - 0x100000;
    rows.back() += pixel == 0 ? '#' : index < 10 ? char('0' + index) : char('a' + index - 10);
  }
  return rows;
}

// Decoded whole and in pieces of every size: the pieces change nothing.
std::vector<std::string> Decode(const BitmapShape& shape, const std::string& stream,
                                bool* ended = nullptr) {
  RleDecoder whole(shape);
  whole.Feed(stream);
  for (std::size_t piece = 1; piece < stream.size(); ++piece) {
    RleDecoder pieces(shape);
    for (std::size_t at = 0; at < stream.size(); at += piece)
      pieces.Feed(std::string_view(stream).substr(at, piece));
    EXPECT_EQ(pieces.pixels(), whole.pixels()) << piece;
    EXPECT_EQ(pieces.ended(), whole.ended()) << piece;
  }
  if (ended) *ended = whole.ended();
  return Shown(whole, ShownWidth(shape));
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

TEST(RleDecoder, Rle8RunsAbsoluteRunsDeltasLineAndBitmapEnds) {
  bool ended = false;
  const std::string stream =
      Bytes({3, 1, 0, 3, 2, 3, 4, 0xEE, 0, 0}) +  // a run, an odd absolute run, its pad, line end
      Bytes({0, 2, 2, 0, 2, 5, 0, 0}) +           // a delta right, a run; the rest stays 0
      Bytes({0, 4, 6, 7, 8, 9, 0, 2, 1, 0}) +     // even absolute run, no pad; a pixel skipped
      Bytes({1, 200, 0, 1, 7, 7});                // past the palette: black; the end, then nothing
  EXPECT_EQ(Decode(Shape(6, 3, 8, 200), stream, &ended),
            (std::vector<std::string>{"67890#", "005500", "111234"}));
  EXPECT_TRUE(ended);
  // A delta up moves to a later row at the same column.
  EXPECT_EQ(Decode(Shape(4, 3, 8), Bytes({1, 1, 0, 2, 1, 2, 1, 2, 0, 1})),
            (std::vector<std::string>{"0020", "0000", "1000"}));
  // The longest stream that moves on: a one-pixel delta for every pixel, a line end
  // for every row.
  std::string longest;
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) longest += Bytes({0, 2, 1, 0});
    longest += Bytes({0, 0});
  }
  EXPECT_EQ(Decode(Shape(5, 3, 8), longest, &ended), (std::vector<std::string>(3, "00000")));
  EXPECT_TRUE(ended);
  EXPECT_LE(longest.size(), MaxRleStreamBytes(Shape(5, 3, 8)));
}

TEST(RleDecoder, Rle4AlternatesNibblesAndPadsAbsoluteRunsToWords) {
  bool ended = false;
  const std::string stream =
      Bytes({5, 0x12, 0, 3, 0x34, 0x50, 0, 0}) +  // 1 2 1 2 1, three nibbles in one word
      Bytes({0, 5, 0x67, 0x89, 0xA0, 0xEE, 3, 0xBC, 0, 0}) +  // five nibbles padded to two words
      Bytes({0, 4, 0xDE, 0xF0, 0, 1});  // four nibbles, one word, then the end
  EXPECT_EQ(Decode(Shape(8, 3, 4), stream, &ended),
            (std::vector<std::string>{"def00000", "6789abcb", "12121345"}));
  EXPECT_TRUE(ended);
}

// Each stream would go on writing after the step that leaves the row or the
// picture; outside the pixels AddressSanitizer would stop it.
TEST(RleDecoder, RunsAndDeltasPastTheRowOrThePictureEndDecoding) {
  struct Case {
    const char* what;
    int bits;
    std::string stream;
    std::vector<std::string> shown;
    bool ended;
  };
  const Case cases[] = {
      {"run past the row", 8, Bytes({6, 1, 0, 0, 2, 2}), {"0000", "1111"}, true},
      {"run to the row end, then one more",
       8,
       Bytes({4, 1, 1, 2, 0, 0, 1, 3}),
       {"0000", "1111"},
       true},
      {"absolute run past the row",
       8,
       Bytes({0, 2, 3, 0, 0, 3, 5, 6, 7, 0, 1, 3}),
       {"0000", "0005"},
       true},
      {"delta past the row", 8, Bytes({0, 2, 5, 0, 1, 1}), {"0000", "0000"}, true},
      {"delta to the row end", 8, Bytes({0, 2, 4, 0, 0, 0, 1, 3}), {"3000", "0000"}, false},
      {"delta past the picture", 8, Bytes({0, 2, 0, 2, 1, 1}), {"0000", "0000"}, true},
      {"delta to the top row", 8, Bytes({0, 2, 1, 1, 1, 4}), {"0400", "0000"}, false},
      {"line end past the top", 8, Bytes({0, 0, 0, 0, 1, 1}), {"0000", "0000"}, true},
      {"cut short", 8, Bytes({1, 1, 0, 0, 2, 2}), {"2200", "1000"}, false},
      {"nibble run past the row", 4, Bytes({5, 0x12, 0, 0, 1, 3}), {"0000", "1212"}, true},
      {"nibble absolute run past the row",
       4,
       Bytes({0, 2, 1, 0, 0, 5, 0x34, 0x56, 0x70, 0, 1, 1}),
       {"0000", "0345"},
       true},
  };
  for (const Case& c : cases) {
    bool ended = false;
    EXPECT_EQ(Decode(Shape(4, 2, c.bits), c.stream, &ended), c.shown) << c.what;
    EXPECT_EQ(ended, c.ended) << c.what;
  }
}

// 1000 x 600: of each stored row y, 690 pixels of 1 + y % 5, then 20 of 9 across
// the right edge of the corner, then 290 of 10. The shown rows are the last 450.
TEST(RleDecoder, KeepsOnlyTheShownCornerOfALargePicture) {
  const BitmapShape shape = Shape(1000, 600, 8);
  std::string stream;
  for (int y = 0; y < 600; ++y) {
    const char first = static_cast<char>(1 + y % 5);
    stream += std::string{'\xff', first, '\xff', first, '\xb4', first, 20, 9};
    stream += std::string{'\xff', 10, 35, 10, 0, 0};
  }
  stream.resize(stream.size() - 2);
  stream += Bytes({0, 1});
  EXPECT_LE(stream.size(), MaxRleStreamBytes(shape));
  RleDecoder decoder(shape);
  decoder.Feed(stream);
  EXPECT_TRUE(decoder.ended());
  ASSERT_EQ(decoder.pixels().size(), 700u * 450u);
  for (int row : {0, 1, 200, 449}) {
    const std::uint32_t* shown = decoder.pixels().data() + row * 700;
    const int y = 599 - row;
    EXPECT_EQ(shown[0], 0x100000u + 1 + y % 5) << row;
    EXPECT_EQ(shown[689], 0x100000u + 1 + y % 5) << row;
    EXPECT_EQ(shown[690], 0x100009) << row;
    EXPECT_EQ(shown[699], 0x100009) << row;
  }
}

}  // namespace
}  // namespace kelp
