#include "appearance/settings_store.h"

#include "platform/files.h"

namespace kelp {

namespace {
constexpr char kSettingsFile[] = "skd.kpd";
}  // namespace

SettingsRecord LoadSettings(const std::string& exeDir) {
  const std::string path = exeDir + kSettingsFile;
  const SettingsRecord defaults = DefaultSettings(exeDir);
  if (const std::optional<std::string> stored = ReadWholeFile(path))
    return DecodeSettings(*stored, defaults);
  if (!FileExists(path)) SaveSettings(exeDir, defaults);
  return defaults;
}

bool SaveSettings(const std::string& exeDir, const SettingsRecord& settings) {
  return WriteFileAtomically(exeDir + kSettingsFile, EncodeSettings(settings));
}

}  // namespace kelp
