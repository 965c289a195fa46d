// The header check in front of every picture the learner picks: whatever the
// bytes, an accepted shape is one the loader can hold, and the shown rows that
// lie inside the bytes decode without reading past them.
#include "appearance/bitmap_check.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (std::uint64_t fileSize :
       {std::uint64_t(size), std::uint64_t(size) * 1000, ~std::uint64_t(0)}) {
    const kelp::BitmapHeader header = kelp::ReadBitmapHeader(bytes, fileSize);
    if (header.verdict != kelp::HeaderVerdict::kValid) continue;
    const kelp::BitmapShape* shape = &header.shape;
    if (shape->width <= 0 || shape->height <= 0 || shape->width > 32767 || shape->height > 32767)
      std::abort();
    if (shape->paletteSize < 0 || shape->paletteSize > 256) std::abort();
    if (!kelp::IsDrawable(*shape)) continue;
    const int width = kelp::ShownWidth(*shape);
    std::vector<std::uint32_t> pixels(width);
    for (int y : {0, kelp::ShownHeight(*shape) - 1}) {
      const std::uint64_t offset = kelp::ShownRowOffset(*shape, y);
      const std::size_t count = kelp::RowBytesFor(*shape, width);
      if (count > shape->rowBytes) std::abort();
      if (offset <= size && count <= size - offset)
        kelp::DecodeRow(*shape, bytes.substr(offset, count), width, pixels.data());
    }
  }
  return 0;
}
