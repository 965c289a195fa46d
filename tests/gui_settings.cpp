#include "appearance/settings_file.h"
#include "appearance/settings_store.h"
#include "appearance/skin_table.h"
#include "platform/gbk.h"
#include "resource_ids.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

namespace kelp::test {
namespace {

using Settings = FrameTest;

TEST_F(Settings, FirstStartWritesDefaultsAndNothingElse) {
  ASSERT_FALSE(folder.Read("skd.kpd"));
  MainFrame& f = Open();
  const auto stored = folder.Read("skd.kpd");
  ASSERT_TRUE(stored);
  EXPECT_EQ(*stored, EncodeSettings(DefaultSettings(folder.path())));
  EXPECT_EQ(f.settings().skinIndex, 0);
  EXPECT_FALSE(folder.Read("skd.kpd.tmp"));
}

TEST_F(Settings, AwkwardColoursSurviveLoadAndSave) {
  const SettingsRecord written{3,
                               {RGB(10, 10, 10), RGB(13, 10, 26), RGB(26, 0, 13), RGB(1, 2, 3),
                                RGB(10, 20, 30), RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 26, 10)},
                               folder.path() + "bgmain2.kpd"};
  folder.Write("skd.kpd", EncodeSettings(written));
  MainFrame& f = Open();
  EXPECT_EQ(f.settings().skinIndex, 3);
  EXPECT_EQ(f.settings().colors, written.colors);
  EXPECT_EQ(f.settings().backgroundPath, written.backgroundPath);
  EXPECT_TRUE(f.background());

  folder.Remove("skd.kpd");
  EXPECT_TRUE(SaveSettings(f.exeDir(), f.settings()));
  EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings(written));
}

TEST_F(Settings, ShortAndOddFilesFallBackSafely) {
  // Skin 9 and half a colour: skin 0, defaults for the rest, the default picture.
  folder.Write("skd.kpd", std::string("\x09\x00\x00\x00\x11\x22", 6));
  MainFrame& f = Open();
  EXPECT_EQ(f.settings().skinIndex, 0);
  EXPECT_EQ(f.settings().colors, kSkins[0].defaultColors);
  EXPECT_EQ(f.settings().backgroundPath, folder.path() + "bgmain0.kpd");
  EXPECT_TRUE(f.background());
  // Reading never rewrites the file.
  EXPECT_EQ(folder.Read("skd.kpd")->size(), 6u);
}

TEST_F(Settings, UnloadablePictureLeavesThePathAndAPlainPage) {
  folder.Write("garbage.bmp", "BM this is not a bitmap");
  SettingsRecord settings = DefaultSettings(folder.path());
  settings.backgroundPath = folder.path() + "garbage.bmp";
  folder.Write("skd.kpd", EncodeSettings(settings));
  MainFrame& f = Open();
  EXPECT_FALSE(f.background());
  EXPECT_EQ(f.settings().backgroundPath, settings.backgroundPath);
  EXPECT_EQ(PixelAt(f, 350, 300), PixelAt(f, 650, 420));
}

// What a small picture does not cover is filled plainly: no earlier page shows there.
TEST_F(Settings, SmallBackgroundPictureLeavesNoStalePixels) {
  folder.Write("small.bmp", BmpFile(100, 80, RGB(200, 10, 10)));
  SettingsRecord settings = DefaultSettings(folder.path());
  settings.backgroundPath = folder.path() + "small.bmp";
  folder.Write("skd.kpd", EncodeSettings(settings));
  MainFrame& f = Open();
  Command(ID_LEVEL1);
  FinishSlide(f);
  Command(ID_HOME);
  FinishSlide(f);
  EXPECT_EQ(PixelAt(f, 50, 70), RGB(200, 10, 10));
  EXPECT_EQ(PixelAt(f, 400, 270), kSkins[0].plainFill);  // where the level page's keyboard was
  EXPECT_EQ(PixelAt(f, 50, 300), kSkins[0].plainFill);
}

// A settings file that exists but cannot be read now is neither replaced nor emptied.
TEST_F(Settings, UnreadableSettingsFileIsNotReplacedByDefaults) {
  const std::string own = EncodeSettings({3, kSkins[3].defaultColors, "D:\\mine.bmp"});
  folder.Write("skd.kpd", own);
  const HANDLE lock = CreateFileW(Widen(folder.path() + "skd.kpd").c_str(), GENERIC_READ, 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  MainFrame& f = Open();
  EXPECT_EQ(f.settings().skinIndex, 0);  // this run uses the defaults
  CloseHandle(lock);
  EXPECT_EQ(folder.Read("skd.kpd"), own);
}

TEST_F(Settings, DeleteAllScoresSaysWhichHistoryStayed) {
  folder.Write("Lev0Data.kpd", std::string(8, 'a'));
  CreateDirectoryW((Widen(folder.path()) + L"Lev3Data.kpd").c_str(), nullptr);
  MainFrame& f = Open();
  MessageBoxWatcher watcher;
  Command(ID_DELETE_SCORES);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_NE(watcher.seen()[0].text.find("Lev3Data.kpd"), std::string::npos);
  EXPECT_EQ(watcher.seen()[0].text.find("Lev0Data.kpd"), std::string::npos);
  EXPECT_EQ(folder.Read("Lev0Data.kpd"), "");
  EXPECT_TRUE(IsWindow(f.hwnd()));
  RemoveDirectoryW((Widen(folder.path()) + L"Lev3Data.kpd").c_str());
}

}  // namespace
}  // namespace kelp::test
