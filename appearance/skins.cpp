#include "appearance/skins.h"

namespace kelp {

std::string SkinPicturePath(const std::string& exeDir, int skin) {
  return exeDir + SkinAt(skin).backgroundFile;
}

std::optional<int> SkinOfCommand(int commandId) {
  for (int skin = 0; skin < kSkinCount; ++skin) {
    if (kSkins[skin].command == commandId) return skin;
  }
  return std::nullopt;
}

std::optional<SkinChange> ChooseSkin(const SettingsRecord& current, int skin,
                                     const std::string& exeDir, SamePathTest samePath) {
  if (skin < 0 || skin >= kSkinCount) return std::nullopt;
  const std::string ownPicture = SkinPicturePath(exeDir, skin);
  if (current.skinIndex == skin && samePath(current.backgroundPath, ownPicture))
    return std::nullopt;
  return SkinChange{{skin, kSkins[skin].defaultColors, ownPicture}, current.skinIndex != skin};
}

}  // namespace kelp
