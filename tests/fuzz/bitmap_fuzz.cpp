// The header check in front of every picture the learner picks: whatever the
// bytes, an accepted shape is one the loader can hold.
#include "appearance/bitmap_check.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (std::uint64_t fileSize : {std::uint64_t(size), std::uint64_t(size) * 1000, ~std::uint64_t(0)}) {
    const auto shape = kelp::ParseBitmapHeader(bytes, fileSize);
    if (!shape) continue;
    if (shape->width <= 0 || shape->height <= 0 || shape->width > 32767 || shape->height > 32767)
      std::abort();
  }
  return 0;
}
