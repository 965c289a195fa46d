#include "app/tool_buttons.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "scores/score_history.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

namespace kelp::test {
namespace {

using StartUp = FrameTest;

// Started from inside its zip or copied alone: one message naming the folder,
// then the program goes on with what it carries, silent and without a crash.
TEST_F(StartUp, WithoutItsFilesTheProgramSaysSoOnceAndGoesOnSilently) {
  for (const char* name : kDataFiles) folder.Remove(name);
  int sounds = 0;
  TheSeams().soundOutput = [&](const void* wave, unsigned) { sounds += wave != nullptr; };
  MessageBoxWatcher boxes;
  MainFrame& f = Open();
  Pump(f);
  ASSERT_EQ(boxes.seen().size(), 1u);
  EXPECT_NE(boxes.seen()[0].text.find(folder.path()), std::string::npos);
  EXPECT_NE(SendMessageW(f.hwnd(), WM_GETICON, ICON_BIG, 0), 0);  // a resource, not a file
  for (int i = 0; i < kToolButtonCount; ++i)
    SendMessageW(f.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(ToolButtonRect(i).left + 5, 50));
  Command(ID_LEVEL2);
  FinishSlide(f);
  for (char c : std::string("abc")) SendMessageW(f.hwnd(), WM_CHAR, c, 1);
  Pump(f);
  EXPECT_EQ(sounds, 0);
  EXPECT_EQ(boxes.seen().size(), 2u);  // the level's missing text
  EXPECT_TRUE(IsWindow(f.hwnd()));
  TheSeams().soundOutput = nullptr;
}

// A data folder that takes no new file, as a full disk or a locked-down folder
// would: every replacement writes its temporary file first, and a folder in its
// place fails the write as a full disk does.
class Unwritable : public FrameTest {
 protected:
  void Block(bool on) const {
    for (const char* name : kLearnerFiles) {
      const std::wstring temporary = Widen(TemporaryPathOf(folder.path() + name));
      on ? CreateDirectoryW(temporary.c_str(), nullptr) : RemoveDirectoryW(temporary.c_str());
    }
  }
  // Once there is room again, the settings dialog (closed with OK) stores what is in use.
  std::optional<std::string> SettingsInUse() {
    Block(false);
    Command(ID_SETTINGS);
    return folder.Read("skd.kpd");
  }
};

// The program keeps running, says when a score or the settings were not saved,
// and the old files stay as they were until there is room again.
TEST_F(Unwritable, FolderTakingNoFileKeepsTheProgramRunningAndTheOldFiles) {
  const std::string passage = "the quick brown fox jumps over a lazy do";
  const std::string settings = EncodeSettings({1, kSkins[1].defaultColors, "C:\\own.bmp"});
  const std::string history = AppendedHistory(AppendedHistory("", 61.5f), 70.0f);
  folder.Write("skd.kpd", settings);
  folder.Write("Lev0Data.kpd", history);
  Block(true);
  MessageBoxWatcher watcher;
  MainFrame& f = StartLevel(ID_LEVEL1, kLevels[0].textFile, passage);
  auto type = [&](const std::string& keys) {
    for (char c : keys) SendMessageW(f.hwnd(), WM_CHAR, c, 1);
  };
  // "注意：本次成绩未能保存。" under the result line, in the skin's info colour.
  auto note = [&](int skin) {
    const int y = kLevels[0].resultY;
    return CountColor(f.hwnd(), {30, y + 15, 200, y + 27}, kSkins[skin].defaultColors[2]);
  };
  type(passage);
  ASSERT_EQ(f.exercise().phase(), Phase::Result);
  EXPECT_GT(note(1), 20);

  // The session goes on: the next passage, a new skin kept in memory, the settings dialog.
  type("\r");
  EXPECT_EQ(f.exercise().phase(), Phase::Ready);
  Command(ID_SKIN_BLACK);
  Command(ID_SETTINGS);
  const std::vector<SeenMessageBox>& seen = watcher.seen();
  ASSERT_EQ(seen.size(), 3u);  // the skin's note, the dialog, its note
  for (int k : {0, 2}) EXPECT_EQ(seen[k].caption, kWindowTitle);
  for (int k : {0, 2}) EXPECT_NE(seen[k].text.find("skd.kpd"), std::string::npos);
  EXPECT_EQ(folder.Read("skd.kpd"), settings);
  EXPECT_EQ(folder.Read("Lev0Data.kpd"), history);

  // Room again: the next score follows the old ones, the note is gone, the black
  // skin is the one in use.
  EXPECT_EQ(SettingsInUse(),
            EncodeSettings({3, kSkins[3].defaultColors, folder.path() + kSkins[3].backgroundFile}));
  type(passage);
  EXPECT_EQ(note(3), 0);
  EXPECT_EQ(folder.Read("Lev0Data.kpd").value_or("").substr(0, history.size()), history);
  EXPECT_EQ(ReadScores(folder.path(), 0).size(), 3u);
  EXPECT_FALSE(FileExists(TemporaryPathOf(folder.path() + "Lev0Data.kpd")));
}

// At a first start in such a folder the defaults are used, nothing is written
// and the learner is told once.
TEST_F(Unwritable, FirstStartInAFolderTakingNoFileUsesTheDefaults) {
  Block(true);
  MessageBoxWatcher watcher;
  Pump(Open());
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_NE(watcher.seen()[0].text.find("skd.kpd"), std::string::npos);
  EXPECT_FALSE(folder.Read("skd.kpd"));
  EXPECT_EQ(SettingsInUse(), EncodeSettings(DefaultSettings(folder.path())));
}

}  // namespace
}  // namespace kelp::test
