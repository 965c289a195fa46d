#include "appearance/settings_store.h"

#include "platform/files.h"

namespace kelp {

LoadedSettings LoadSettings(const std::string& folder, const std::string& programFolder) {
  const SettingsRecord defaults = DefaultSettings(programFolder);
  const FileRead stored = TryReadFileStart(folder + kSettingsFileName, kSettingsReadLimit);
  if (stored.status == FileStatus::kRead) return {DecodeSettings(stored.bytes, defaults)};
  if (stored.status == FileStatus::kMissing) return {defaults, !SaveSettings(folder, defaults)};
  return {defaults};
}

bool SaveSettings(const std::string& folder, const SettingsRecord& settings) {
  return WriteFileAtomically(folder + kSettingsFileName, EncodeSettings(settings));
}

}  // namespace kelp
