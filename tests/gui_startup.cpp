#include "platform/files.h"
#include "platform/gbk.h"
#include "scores/score_history.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"

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
  Pump(Open());
  ASSERT_EQ(boxes.seen().size(), 1u);
  EXPECT_NE(boxes.seen()[0].text.find(folder.path()), std::string::npos);
  Command(ID_LEVEL2);
  FinishSlide(*frame);
  Type("abc");
  EXPECT_EQ(sounds, 0);
  EXPECT_EQ(boxes.seen().size(), 2u);  // the level's missing text
}

// A data folder that takes no new file, as a full disk or a locked-down folder would:
// every replacement writes its temporary file first, and a folder in its place fails
// the write as a full disk does. The program starts with the defaults, keeps running,
// says when a score or the settings were not saved and keeps the old files as they
// were; once there is room again it stores what is in use.
TEST_F(StartUp, FolderTakingNoFileKeepsTheProgramRunningAndTheOldFiles) {
  auto block = [&](bool on) {
    for (const char* name : kLearnerFiles) {
      const std::wstring temporary = Widen(TemporaryPathOf(folder.path() + name));
      on ? CreateDirectoryW(temporary.c_str(), nullptr) : RemoveDirectoryW(temporary.c_str());
    }
  };
  const std::string passage = "the quick brown fox jumps over a lazy do";
  const std::string history = AppendedHistory(AppendedHistory("", 61.5f), 70.0f);
  folder.Write("Lev0Data.kpd", history);
  block(true);
  MessageBoxWatcher watcher;
  MainFrame& f = StartLevel(ID_LEVEL1, kLevels[0].textFile, passage);
  // "注意：本次成绩未能保存。" under the result line, in the skin's info colour.
  const int y = kLevels[0].resultY;
  auto note = [&](int skin) {
    return Count({30, y + 15, 200, y + 27}, kSkins[skin].defaultColors[2]);
  };
  Type(passage);
  ASSERT_EQ(f.session().exercise().phase(), Phase::Result);
  EXPECT_GT(note(DefaultSettings(folder.path()).skinIndex), 20);
  Type("\r");
  EXPECT_EQ(f.session().exercise().phase(), Phase::Ready);
  Command(ID_SKIN_BLACK);
  Command(ID_SETTINGS);
  ASSERT_EQ(watcher.seen().size(), 4u);  // the first start's note, the skin's, the dialog, its note
  for (int k : {0, 1, 3}) EXPECT_NE(watcher.seen()[k].text.find("skd.kpd"), std::string::npos) << k;
  EXPECT_FALSE(folder.Read("skd.kpd"));
  EXPECT_EQ(folder.Read("Lev0Data.kpd"), history);
  // Room again: the settings dialog (closed with OK) stores the black skin in use, the
  // next score follows the old ones and the note is gone.
  block(false);
  Command(ID_SETTINGS);
  EXPECT_EQ(folder.Read("skd.kpd"),
            EncodeSettings({3, kSkins[3].defaultColors, folder.path() + kSkins[3].backgroundFile}));
  Type(passage);
  EXPECT_EQ(note(3), 0);
  EXPECT_EQ(folder.Read("Lev0Data.kpd").value_or("").substr(0, history.size()), history);
  EXPECT_EQ(ReadScores(folder.path(), 0).size(), 3u);
  EXPECT_FALSE(FileExists(TemporaryPathOf(folder.path() + "Lev0Data.kpd")));
}

}  // namespace
}  // namespace kelp::test
