// A data folder that takes no new file, as a full disk or a locked-down folder
// would: the program keeps running, says when a score was not saved, and the old
// files stay as they were.
#include "appearance/settings_file.h"
#include "appearance/skin_table.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "resource_ids.h"
#include "scores/score_history.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

#include <functional>

namespace kelp::test {
namespace {

const std::string kPassage = "the quick brown fox jumps over a lazy do";

class Unwritable : public FrameTest {
 public:
  void Type(const std::string& keys) {
    for (char c : keys) SendMessageW(frame->hwnd(), WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  std::wstring PathOf(const std::string& name) const { return Widen(folder.path() + name); }
  // Every replacement writes its temporary file first: a folder in place of it
  // makes the write fail the way a full disk does.
  void BlockTemporaryFiles() {
    for (const char* name : kLearnerFiles)
      CreateDirectoryW(PathOf(std::string(name) + ".tmp").c_str(), nullptr);
  }
  void UnblockTemporaryFiles() {
    for (const char* name : kLearnerFiles)
      RemoveDirectoryW(PathOf(std::string(name) + ".tmp").c_str());
  }
  void SetReadOnly(bool readOnly) {
    for (const char* name : kLearnerFiles)
      SetFileAttributesW(PathOf(name).c_str(),
                         readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
  }
  int NotePixels() {
    return CountColor(frame->hwnd(), {30, 105, 200, 117}, frame->palette().infoText);
  }
};

TEST_F(Unwritable, FolderTakingNoFileKeepsTheProgramRunningAndTheOldFiles) {
  struct Case {
    const char* name;
    std::function<void(Unwritable&)> block, unblock;
  };
  const Case cases[] = {
      {"temporary files cannot be created", [](Unwritable& t) { t.BlockTemporaryFiles(); },
       [](Unwritable& t) { t.UnblockTemporaryFiles(); }},
      {"read-only files", [](Unwritable& t) { t.SetReadOnly(true); },
       [](Unwritable& t) { t.SetReadOnly(false); }},
  };
  const std::string settings = EncodeSettings({1, kSkins[1].defaultColors, "C:\\own.bmp"});
  const std::string history = AppendedHistory(AppendedHistory("", 61.5f), 70.0f);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder.Write("skd.kpd", settings);
    folder.Write("Lev0Data.kpd", history);
    for (int level = 1; level < kLevelCount; ++level) folder.Write(ScoreFileName(level), "keep");
    c.block(*this);
    MessageBoxWatcher watcher;
    MainFrame& f = StartLevel(ID_LEVEL1, "Level1.kpd", kPassage);
    Type(kPassage);
    ASSERT_EQ(f.exercise().phase(), Phase::Result);
    EXPECT_FALSE(f.result().scoreSaved);
    EXPECT_GT(NotePixels(), 20);  // "注意：本次成绩未能保存。" under the result line

    // The session goes on: the next passage, a new skin kept in memory, the
    // score deletion naming every history it could not empty.
    Type("\r");
    EXPECT_EQ(f.exercise().phase(), Phase::Ready);
    Command(ID_SKIN_BLACK);
    EXPECT_EQ(f.settings().skinIndex, 3);
    Command(ID_SETTINGS);  // closed with OK
    Command(ID_DELETE_SCORES);
    // Each settings change that could not be saved says so once.
    const std::vector<SeenMessageBox>& seen = watcher.seen();
    ASSERT_EQ(seen.size(), 4u);  // the skin's note, the dialog, its note, the deletion's
    for (int note : {0, 2}) {
      EXPECT_EQ(seen[note].caption, "Kelp专业打字练习III(最终版)");
      EXPECT_NE(seen[note].text.find("skd.kpd"), std::string::npos);
    }
    EXPECT_NE(seen[3].text.find("Lev4Data.kpd"), std::string::npos);
    EXPECT_TRUE(IsWindow(f.hwnd()));
    EXPECT_EQ(folder.Read("skd.kpd"), settings);
    EXPECT_EQ(folder.Read("Lev0Data.kpd"), history);
    EXPECT_EQ(folder.Read("Lev3Data.kpd"), "keep");

    // Room again: the next score is stored after the old ones, the note is gone.
    c.unblock(*this);
    Type(kPassage);
    EXPECT_TRUE(f.result().scoreSaved);
    EXPECT_EQ(NotePixels(), 0);
    const std::vector<float> scores = ReadScores(folder.path(), 0);
    ASSERT_EQ(scores.size(), 3u);
    EXPECT_EQ(scores[0], 61.5f);
    EXPECT_EQ(scores[1], 70.0f);
    EXPECT_FALSE(FileExists(folder.path() + "Lev0Data.kpd.tmp"));
    frame.reset();
  }
}

// At a first start in such a folder the defaults are used, nothing is written
// and the learner is told once.
TEST_F(Unwritable, FirstStartInAFolderTakingNoFileUsesTheDefaults) {
  BlockTemporaryFiles();
  MessageBoxWatcher watcher;
  MainFrame& f = Open();
  Pump(f);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_NE(watcher.seen()[0].text.find("skd.kpd"), std::string::npos);
  EXPECT_EQ(f.settings().skinIndex, 0);
  EXPECT_EQ(f.settings().backgroundPath, folder.path() + kSkins[0].backgroundFile);
  EXPECT_NE(f.background(), nullptr);
  EXPECT_FALSE(FileExists(folder.path() + "skd.kpd"));
  UnblockTemporaryFiles();
}

}  // namespace
}  // namespace kelp::test
