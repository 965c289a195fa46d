#pragma once

#include "appearance/skin_table.h"

#include <string>
#include <string_view>

// The bytes of skd.kpd: skin index, colour block and background path, stored
// with every line feed written as CR LF.
namespace kelp {

// A Windows path has at most 32767 UTF-16 units, each at most two bytes in GBK: a
// longer path line is no usable picture.
constexpr std::size_t kLongestPathBytes = 2 * 32767;
// All of skd.kpd that can matter: the 36 leading bytes, each perhaps a line feed
// stored as CR LF, the longest path and its line end.
constexpr std::size_t kSettingsReadLimit = 2 * 36 + kLongestPathBytes + 2;

struct SettingsRecord {
  int skinIndex = 0;
  ColorBlock colors{};
  std::string backgroundPath;
};

SettingsRecord DefaultSettings(const std::string& exeDir);
std::string EncodeSettings(const SettingsRecord& settings);
// Fields the file does not reach keep `defaults`; a skin outside 0..3 reads as 0,
// a path line longer than kLongestPathBytes as no path.
SettingsRecord DecodeSettings(std::string_view fileBytes, const SettingsRecord& defaults);

}  // namespace kelp
