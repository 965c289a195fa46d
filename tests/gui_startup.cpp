#include "platform/files.h"
#include "platform/gbk.h"
#include "scores/score_history.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"

#include <cstdlib>
#include <optional>

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

// A folder that takes no temporary file, as a full disk would (a folder in each one's
// place): the program starts with the defaults and keeps running, says nothing of the
// settings, notes that the score is kept for later and leaves the old files as they
// were. Once there is room again the next score takes the kept one along and the
// settings in use are stored as the window goes; what is still owed then is named.
TEST_F(StartUp, FolderTakingNoTemporaryFileKeepsScoresAndSettingsForLater) {
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
  std::optional<MessageBoxWatcher> watcher(std::in_place);
  StartLevel(ID_LEVEL1, kLevels[0].textFile, passage);
  // The note under the result line, in the skin's info colour.
  const int y = kLevels[0].resultY;
  auto note = [&](int skin) {
    return Count({30, y + 15, 400, y + 27}, kSkins[skin].defaultColors[2]);
  };
  const DWORD start = GetTickCount();
  Type(passage);
  EXPECT_GT(note(DefaultSettings(folder.path()).skinIndex), 20);
  Command(ID_SKIN_BLACK);
  Command(ID_SETTINGS);
  EXPECT_LT(GetTickCount() - start, 1000u) << "waited for what no wait can free";
  ASSERT_EQ(watcher->seen().size(), 1u);  // the dialog, no note
  EXPECT_FALSE(folder.Read("skd.kpd"));
  EXPECT_EQ(folder.Read("Lev0Data.kpd"), history);
  block(false);
  Type("\r" + passage);
  EXPECT_EQ(note(3), 0);
  EXPECT_EQ(ReadScores(folder.path(), 0).size(), 4u);
  EXPECT_FALSE(folder.Read("skd.kpd"));
  frame.reset();
  EXPECT_EQ(watcher->seen().size(), 1u);
  EXPECT_EQ(folder.Read("skd.kpd"),
            EncodeSettings({3, kSkins[3].defaultColors, folder.path() + kSkins[3].backgroundFile}));
  // Blocked again at the end: the box names the history and its score, once.
  block(true);
  watcher.emplace();
  Open();
  Command(ID_LEVEL1);
  FinishSlide(*frame);
  Type(passage);
  frame.reset();
  ASSERT_EQ(watcher->seen().size(), 1u);
  EXPECT_NE(watcher->seen()[0].text.find(folder.path() + "Lev0Data.kpd（1 个成绩）"),
            std::string::npos)
      << watcher->seen()[0].text;
  EXPECT_EQ(ReadScores(folder.path(), 0).size(), 4u);
}

// Run by locked_folder.sh with the program's folder made immutable: the learner's
// files go to Kelp\ in the local application data folder, where the old ones are
// copied, and the learner is told once where that is; scores and settings are stored
// there without a note. Pictures and texts still come from the program's folder.
TEST_F(StartUp, LockedProgramFolderKeepsTheLearnersFilesInTheirOwnFolder) {
  const char* locked = std::getenv("KELP_LOCKED_FOLDER");
  if (!locked) GTEST_SKIP() << "run by tests/locked_folder.sh";
  TheSeams().dataDirectory = locked;
  TheSeams().nextRandom = [] { return 0; };
  const std::string own = folder.localAppData() + "Kelp\\";
  const std::optional<std::string> settings = ReadWholeFile(locked + std::string("skd.kpd"));
  ASSERT_TRUE(settings);
  ASSERT_TRUE(ReadWholeFile(locked + std::string("Lev0Data.kpd")));
  for (int run = 0; run < 2; ++run) {
    MessageBoxWatcher watcher;
    MainFrame& f = Open();
    if (run == 0) {
      ASSERT_EQ(watcher.seen().size(), 1u);
      EXPECT_NE(watcher.seen()[0].text.find(own), std::string::npos) << watcher.seen()[0].text;
      EXPECT_EQ(ReadWholeFile(own + "skd.kpd"), settings);
      EXPECT_EQ(ReadScores(own, 0), ReadScores(locked, 0));
    }
    const COLORREF info =
        PaletteOf(DecodeSettings(ReadWholeFile(own + "skd.kpd").value_or(""), {}).colors).infoText;
    Command(ID_LEVEL1);
    FinishSlide(f);
    Type(PassageOf(locked, 0));
    // The result line in the stored colours, no note under it.
    const int y = kLevels[0].resultY;
    EXPECT_GT(Count({30, y, 400, y + 12}, info), 20) << run;
    EXPECT_EQ(Count({30, y + 15, 400, y + 27}, info), 0) << run;
    EXPECT_EQ(ReadScores(own, 0).size(), ReadScores(locked, 0).size() + 1 + run);
    Command(kSkins[run].command);
    EXPECT_EQ(DecodeSettings(ReadWholeFile(own + "skd.kpd").value_or(""), {}).skinIndex, run);
    frame.reset();
    EXPECT_EQ(watcher.seen().size(), run == 0 ? 1u : 0u);  // told once, nothing lost
  }
}

}  // namespace
}  // namespace kelp::test
