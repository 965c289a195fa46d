#include "appearance/skins.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

const std::string kDir = "D:\\T\\";

TEST(SkinChoice, SameSkinWithItsOwnPictureChangesNothingAnotherTakesItsPictureAndColours) {
  for (int skin = 0; skin < kSkinCount; ++skin) {
    SettingsRecord current{skin, {1, 2, 3, 4, 5, 6, 7, 8}, SkinPicturePath(kDir, skin)};
    EXPECT_FALSE(ChooseSkin(current, skin, kDir)) << skin;
  }
  const SettingsRecord current{2, {1, 2, 3, 4, 5, 6, 7, 8}, "C:\\pictures\\mine.bmp"};
  const std::optional<SkinChange> change = ChooseSkin(current, 3, kDir);
  ASSERT_TRUE(change);
  EXPECT_EQ(change->settings.skinIndex, 3);
  EXPECT_EQ(change->settings.backgroundPath, "D:\\T\\bgmain3.kpd");
  EXPECT_EQ(change->settings.colors, kSkins[3].defaultColors);
  EXPECT_TRUE(change->captionChanged);
}

TEST(SkinChoice, PathIsComparedByteForByte) {
  // Another spelling of the same file still counts as a user picture.
  for (const std::string path : {"d:\\T\\bgmain1.kpd", "D:\\T\\bgmain1.kpd ", ""}) {
    const SettingsRecord current{1, {1, 2, 3, 4, 5, 6, 7, 8}, path};
    const std::optional<SkinChange> change = ChooseSkin(current, 1, kDir);
    ASSERT_TRUE(change) << path;
    EXPECT_EQ(change->settings.backgroundPath, "D:\\T\\bgmain1.kpd");
    EXPECT_EQ(change->settings.colors, kSkins[1].defaultColors);
    EXPECT_FALSE(change->captionChanged);
  }
}

TEST(SkinChoice, OnlySkinCommandsAndIndicesCount) {
  for (int skin = 0; skin < kSkinCount; ++skin)
    EXPECT_EQ(SkinOfCommand(kSkins[skin].command), skin);
  EXPECT_FALSE(SkinOfCommand(ID_LEVEL1));
  EXPECT_FALSE(SkinOfCommand(0));
  const SettingsRecord current = DefaultSettings(kDir);
  EXPECT_FALSE(ChooseSkin(current, -1, kDir));
  EXPECT_FALSE(ChooseSkin(current, kSkinCount, kDir));
}

}  // namespace
}  // namespace kelp
