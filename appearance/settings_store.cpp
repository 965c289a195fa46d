#include "appearance/settings_store.h"

#include "platform/files.h"

namespace kelp {

LoadedSettings LoadSettings(const std::string& exeDir) {
  const SettingsRecord defaults = DefaultSettings(exeDir);
  const FileRead stored = TryReadFileStart(exeDir + kSettingsFileName, kSettingsReadLimit);
  if (stored.status == FileStatus::kRead) return {DecodeSettings(stored.bytes, defaults)};
  if (stored.status == FileStatus::kMissing) return {defaults, !SaveSettings(exeDir, defaults)};
  return {defaults};
}

bool SaveSettings(const std::string& exeDir, const SettingsRecord& settings) {
  return WriteFileAtomically(exeDir + kSettingsFileName, EncodeSettings(settings));
}

}  // namespace kelp
