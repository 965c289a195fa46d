// The header check in front of every picture the learner picks: whatever the
// bytes, an accepted shape is one the loader can hold, the shown rows that lie
// inside the bytes decode without reading past them, and a run-length encoded
// stream decodes within the shown corner, the same whole or in two pieces.
#include "appearance/bitmap_check.h"
#include "appearance/rle_decoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void DecodeStream(const kelp::BitmapShape& shape, std::string_view bytes) {
  const std::string_view stream =
      shape.pixelOffset < bytes.size() ? bytes.substr(shape.pixelOffset) : std::string_view();
  kelp::RleDecoder whole(shape);
  whole.Feed(stream);
  const std::size_t expected =
      static_cast<std::size_t>(kelp::ShownWidth(shape)) * kelp::ShownHeight(shape);
  if (whole.pixels().size() != expected) std::abort();
  kelp::RleDecoder pieces(shape);
  const std::size_t split = stream.empty() ? 0 : static_cast<unsigned char>(stream.back());
  pieces.Feed(stream.substr(0, std::min(split, stream.size())));
  pieces.Feed(stream.substr(std::min(split, stream.size())));
  if (pieces.pixels() != whole.pixels() || pieces.ended() != whole.ended()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (std::uint64_t fileSize :
       {std::uint64_t(size), std::uint64_t(size) * 1000, ~std::uint64_t(0)}) {
    const kelp::BitmapHeader header = kelp::ReadBitmapHeader(bytes, fileSize);
    if (header.verdict != kelp::HeaderVerdict::kValid) continue;
    const kelp::BitmapShape& shape = header.shape;
    if (shape.width <= 0 || shape.height <= 0 || shape.width > 32767 || shape.height > 32767)
      std::abort();
    if (shape.paletteSize < 0 || shape.paletteSize > 256) std::abort();
    if (!kelp::IsDrawable(shape)) continue;
    if (kelp::IsRunLengthEncoded(shape)) {
      // The stream does not depend on the file's size.
      if (fileSize == size) DecodeStream(shape, bytes);
      continue;
    }
    const int width = kelp::ShownWidth(shape);
    std::vector<std::uint32_t> pixels(width);
    for (int y : {0, kelp::ShownHeight(shape) - 1}) {
      const std::uint64_t offset = kelp::ShownRowOffset(shape, y);
      const std::size_t count = kelp::RowBytesFor(shape, width);
      if (count > shape.rowBytes) std::abort();
      if (offset <= size && count <= size - offset)
        kelp::DecodeRow(shape, bytes.substr(offset, count), width, pixels.data());
    }
  }
  return 0;
}
