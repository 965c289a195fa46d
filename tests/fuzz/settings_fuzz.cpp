// skd.kpd as the program reads it: any bytes decode, and what they decode to
// survives a save and a second load unchanged.
#include "appearance/settings_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  const kelp::SettingsRecord defaults = kelp::DefaultSettings("C:\\Kelp\\");
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const kelp::SettingsRecord first = kelp::DecodeSettings(bytes, defaults);
  if (first.skinIndex < 0 || first.skinIndex >= kelp::kSkinCount) std::abort();
  if (first.backgroundPath.find('\n') != std::string::npos) std::abort();
  const kelp::SettingsRecord second = kelp::DecodeSettings(kelp::EncodeSettings(first), defaults);
  if (second.skinIndex != first.skinIndex || second.colors != first.colors ||
      second.backgroundPath != first.backgroundPath)
    std::abort();
  return 0;
}
