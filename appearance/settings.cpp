#include "app/main_frame.h"
#include "appearance/settings_file.h"
#include "platform/files.h"

namespace kelp {

namespace {
constexpr char kSettingsFile[] = "skd.kpd";
}

ColorBlock MainFrame::colorBlock() const {
  return {standardTextColor, errorTextColor, infoTextColor,  levelColors[0],
          levelColors[1],    levelColors[2], levelColors[3], levelColors[4]};
}

void MainFrame::SetColorBlock(const ColorBlock& colors) {
  standardTextColor = colors[0];
  errorTextColor = colors[1];
  infoTextColor = colors[2];
  for (int i = 0; i < 5; ++i) levelColors[i] = colors[3 + i];
}

// A file that cannot be written leaves the settings in memory; the program goes on.
void MainFrame::SaveSettings() {
  WriteFileAtomically(exeDir + kSettingsFile,
                      EncodeSettings({skinIndex, colorBlock(), backgroundPath}));
}

void MainFrame::LoadSettings() {
  backgroundBitmap.Reset();
  const SettingsRecord defaults = DefaultSettings(exeDir);
  const std::optional<std::string> stored = ReadWholeFile(exeDir + kSettingsFile);
  const SettingsRecord settings = stored ? DecodeSettings(*stored, defaults) : defaults;
  skinIndex = settings.skinIndex;
  SetColorBlock(settings.colors);
  backgroundPath = settings.backgroundPath;
  if (!stored) SaveSettings();
  backgroundBitmap = LoadBitmapFile(backgroundPath);
}

}  // namespace kelp
