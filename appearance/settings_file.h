#pragma once

#include "appearance/skin_table.h"

#include <string>
#include <string_view>

// The bytes of skd.kpd: skin index, colour block and background path, stored
// with every line feed written as CR LF.
namespace kelp {

struct SettingsRecord {
  int skinIndex = 0;
  ColorBlock colors{};
  std::string backgroundPath;
};

SettingsRecord DefaultSettings(const std::string& exeDir);
std::string EncodeSettings(const SettingsRecord& settings);
// Fields the file does not reach keep `defaults`; a skin outside 0..3 reads as 0.
SettingsRecord DecodeSettings(std::string_view fileBytes, const SettingsRecord& defaults);

}  // namespace kelp
