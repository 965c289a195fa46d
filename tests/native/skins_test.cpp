#include "appearance/palette.h"
#include "appearance/skins.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace kelp {
namespace {

const std::string kDir = "D:\\T\\";

bool Bytewise(const std::string& a, const std::string& b) {
  return a == b;
}
// As Windows compares file names (for the ASCII letters of these paths).
bool IgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The settings' colour block in file order: standard, error, information, the five levels.
TEST(Palette, NamesTheColourBlockInFileOrder) {
  const Palette p = PaletteOf({1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(p.standardText, 1u);
  EXPECT_EQ(p.errorText, 2u);
  EXPECT_EQ(p.infoText, 3u);
  EXPECT_EQ(p.level, (std::array<std::uint32_t, kLevelCount>{4, 5, 6, 7, 8}));
  EXPECT_EQ(ColorBlockOf(p), (ColorBlock{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(SkinChoice, SameSkinWithItsOwnPictureChangesNothingAnotherTakesItsPictureAndColours) {
  for (int skin = 0; skin < kSkinCount; ++skin) {
    SettingsRecord current{skin, {1, 2, 3, 4, 5, 6, 7, 8}, SkinPicturePath(kDir, skin)};
    EXPECT_FALSE(ChooseSkin(current, skin, kDir, IgnoringCase)) << skin;
  }
  for (int skin = 0; skin < kSkinCount; ++skin) {
    const SettingsRecord current{(skin + 1) % kSkinCount, {1, 2, 3, 4, 5, 6, 7, 8}, "C:\\my.bmp"};
    const std::optional<SkinChange> change = ChooseSkin(current, skin, kDir, IgnoringCase);
    ASSERT_TRUE(change) << skin;
    EXPECT_EQ(change->settings.skinIndex, skin);
    EXPECT_TRUE(change->captionChanged) << skin;
    EXPECT_EQ(change->settings.colors, kSkins[skin].defaultColors) << skin;
    EXPECT_EQ(change->settings.backgroundPath, "D:\\T\\bgmain" + std::to_string(skin) + ".kpd");
  }
}

// The stored path is compared as the system compares paths: a folder renamed in
// case still holds the skin's own picture, and the learner's colours stay.
TEST(SkinChoice, PathIsComparedByTheSystemsRule) {
  const SettingsRecord renamed{1, {1, 2, 3, 4, 5, 6, 7, 8}, "d:\\t\\BGMAIN1.kpd"};
  EXPECT_FALSE(ChooseSkin(renamed, 1, kDir, IgnoringCase));
  EXPECT_TRUE(ChooseSkin(renamed, 1, kDir, Bytewise));
  // Another file still counts as a user picture.
  for (const std::string path : {"D:\\T\\bgmain1.kpd ", "D:\\T\\bgmain2.kpd", ""}) {
    const SettingsRecord current{1, {1, 2, 3, 4, 5, 6, 7, 8}, path};
    const std::optional<SkinChange> change = ChooseSkin(current, 1, kDir, IgnoringCase);
    ASSERT_TRUE(change) << path;
    EXPECT_EQ(change->settings.backgroundPath, "D:\\T\\bgmain1.kpd") << path;
    EXPECT_EQ(change->settings.colors, kSkins[1].defaultColors) << path;
    EXPECT_FALSE(change->captionChanged) << path;
  }
}

TEST(SkinChoice, OnlySkinCommandsAndIndicesCount) {
  for (int skin = 0; skin < kSkinCount; ++skin)
    EXPECT_EQ(SkinOfCommand(kSkins[skin].command), skin);
  EXPECT_FALSE(SkinOfCommand(ID_LEVEL1));
  EXPECT_FALSE(SkinOfCommand(0));
  const SettingsRecord current = DefaultSettings(kDir);
  EXPECT_FALSE(ChooseSkin(current, -1, kDir, IgnoringCase));
  EXPECT_FALSE(ChooseSkin(current, kSkinCount, kDir, IgnoringCase));
}

}  // namespace
}  // namespace kelp
