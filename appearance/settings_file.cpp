#include "appearance/settings_file.h"

#include "platform/byte_order.h"

namespace kelp {

namespace {

constexpr size_t kHeaderSize = 36;

std::string ToStoredLineEnds(std::string_view logical) {
  std::string stored;
  stored.reserve(logical.size() + 8);
  for (char c : logical) {
    if (c == '\n') stored.push_back('\r');
    stored.push_back(c);
  }
  return stored;
}

std::string FromStoredLineEnds(std::string_view stored) {
  std::string logical;
  logical.reserve(stored.size());
  for (size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') continue;
    logical.push_back(stored[i]);
  }
  return logical;
}

}  // namespace

SettingsRecord DefaultSettings(const std::string& exeDir) {
  return {0, kSkins[0].defaultColors, exeDir + kSkins[0].backgroundFile};
}

std::string EncodeSettings(const SettingsRecord& settings) {
  std::string logical;
  AppendLe32(logical, static_cast<std::uint32_t>(settings.skinIndex));
  for (std::uint32_t color : settings.colors) AppendLe32(logical, color);
  logical += settings.backgroundPath;
  return ToStoredLineEnds(logical);
}

SettingsRecord DecodeSettings(std::string_view fileBytes, const SettingsRecord& defaults) {
  const std::string logical = FromStoredLineEnds(fileBytes);
  SettingsRecord settings = defaults;
  if (logical.size() >= 4) {
    const auto skin = static_cast<int>(ReadLe32(logical, 0));
    settings.skinIndex = KnownSkinOr0(skin);
  }
  for (size_t i = 0; i < settings.colors.size(); ++i) {
    const size_t offset = 4 + 4 * i;
    if (logical.size() >= offset + 4) settings.colors[i] = ReadLe32(logical, offset);
  }
  if (logical.size() >= kHeaderSize) {
    const std::string_view rest = std::string_view(logical).substr(kHeaderSize);
    const std::string_view path = rest.substr(0, rest.find('\n'));
    settings.backgroundPath = path.size() <= kLongestPathBytes ? std::string(path) : std::string();
  }
  return settings;
}

}  // namespace kelp
