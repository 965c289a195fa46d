#include "appearance/settings_file.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

SettingsRecord Sample() {
  return {2,
          {Rgb(10, 13, 26), Rgb(13, 10, 0), Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9),
           Rgb(26, 26, 26), Rgb(255, 255, 255), Rgb(0, 0, 10)},
          "C:\\pics\\sea.bmp"};
}

TEST(SettingsFile, EveryLineFeedIsStoredAsCrLfAndReadBackAndThePathStopsAtALineEnd) {
  const SettingsRecord settings = Sample();
  const std::string stored = EncodeSettings(settings);
  // Three components of 10 each gain a byte 13 in front.
  ASSERT_EQ(stored.size(), 36u + settings.backgroundPath.size() + 3);
  EXPECT_EQ(stored.compare(4, 5, std::string("\r\n\x0d\x1a\x00", 5)), 0);

  const SettingsRecord read = DecodeSettings(stored, DefaultSettings("X:\\"));
  // 26 (end of file in text mode) survives too.
  EXPECT_EQ(read.skinIndex, 2);
  EXPECT_EQ(read.colors, settings.colors);
  EXPECT_EQ(read.backgroundPath, settings.backgroundPath);
  // The path stops at the first line end.
  EXPECT_EQ(DecodeSettings(stored + "\r\n", {}).backgroundPath, "C:\\pics\\sea.bmp");
  EXPECT_EQ(DecodeSettings(stored + "\nsecond line", {}).backgroundPath, "C:\\pics\\sea.bmp");
  // A lone 13 is kept as it is.
  EXPECT_EQ(DecodeSettings(stored + "\rx", {}).backgroundPath, "C:\\pics\\sea.bmp\rx");
}

TEST(SettingsFile, ShortFilesKeepDefaultsForWhatTheyLack) {
  const SettingsRecord defaults = DefaultSettings("E:\\k\\");
  const std::string full = EncodeSettings(Sample());

  const SettingsRecord empty = DecodeSettings("", defaults);
  EXPECT_EQ(empty.skinIndex, 0);
  EXPECT_EQ(empty.colors, defaults.colors);
  EXPECT_EQ(empty.backgroundPath, "E:\\k\\bgmain0.kpd");

  // The skin alone; then the skin and the first colour (its LF stored as CR LF).
  EXPECT_EQ(DecodeSettings(full.substr(0, 4), defaults).skinIndex, 2);
  const SettingsRecord partial = DecodeSettings(full.substr(0, 9), defaults);
  EXPECT_EQ(partial.skinIndex, 2);
  EXPECT_EQ(partial.colors[0], Rgb(10, 13, 26));
  EXPECT_EQ(partial.colors[1], defaults.colors[1]);
  EXPECT_EQ(partial.backgroundPath, defaults.backgroundPath);

  // Exactly the header: an empty path is a real, empty path.
  SettingsRecord noPath = Sample();
  noPath.backgroundPath.clear();
  EXPECT_EQ(DecodeSettings(EncodeSettings(noPath), defaults).backgroundPath, "");
}

// No Windows path is longer than 32767 characters, two bytes each at most: a longer
// line is no picture, while the skin and the colours before it still count.
TEST(SettingsFile, APathLineLongerThanAnyWindowsPathIsNoPath) {
  SettingsRecord settings = Sample();
  for (std::size_t bytes : {65534u, 65535u}) {
    settings.backgroundPath = "C:\\" + std::string(bytes - 3, 'a');
    const SettingsRecord read = DecodeSettings(EncodeSettings(settings) + "\r\nmore", {});
    EXPECT_EQ(read.skinIndex, 2) << bytes;
    EXPECT_EQ(read.colors, settings.colors) << bytes;
    EXPECT_EQ(read.backgroundPath, bytes > 65534 ? "" : settings.backgroundPath);
  }
  // What the store reads holds the longest path behind 36 line feeds, stored as CR LF.
  settings = {0x0a0a0a0a, {}, std::string(kLongestPathBytes, '\xb0')};
  settings.colors.fill(0x0a0a0a0a);
  const std::string longest = EncodeSettings(settings) + "\r\n";
  EXPECT_EQ(DecodeSettings(longest.substr(0, kSettingsReadLimit), {}).backgroundPath,
            settings.backgroundPath);
}

TEST(SettingsFile, SkinOutsideTheFourIsTakenAsZero) {
  for (int skin : {4, -1, 1000, 3}) {
    SettingsRecord settings = Sample();
    settings.skinIndex = skin;
    EXPECT_EQ(DecodeSettings(EncodeSettings(settings), {}).skinIndex, skin == 3 ? 3 : 0) << skin;
  }
}

}  // namespace
}  // namespace kelp
