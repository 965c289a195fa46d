#include "appearance/settings_file.h"
#include "appearance/skin_table.h"
#include "platform/gbk.h"
#include "resource_ids.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

namespace kelp::test {
namespace {

using Robustness = FrameTest;

// What a small picture does not cover is filled plainly: no earlier page shows there.
TEST_F(Robustness, SmallBackgroundPictureLeavesNoStalePixels) {
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
TEST_F(Robustness, UnreadableSettingsFileIsNotReplacedByDefaults) {
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

TEST_F(Robustness, DeleteAllScoresSaysWhichHistoryStayed) {
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
