#include "practice/key_boxes.h"
#include "resource_ids.h"
#include "tests/frame_test.h"

#include <cctype>

namespace kelp::test {
namespace {

using Levels = FrameTest;

// The first level slides the strip away before its passage loads; the others show at
// once; choosing the level already shown keeps its exercise.
TEST_F(Levels, EachLevelShowsItsTitleAndAPassageOfItsTextAtTheDrawnOffset) {
  int draws = 0;
  TheSeams().nextRandom = [&] { return 4000 + 100 * draws++; };
  MainFrame& f = Open();
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelInfo& info = kLevels[level];
    Command(ID_LEVEL1 + level);
    EXPECT_EQ(f.exercise().phase(), level ? Phase::Ready : Phase::Start) << info.textFile;
    FinishSlide(f);
    const int offset = (4000 + 100 * level) % info.offsetModulus;
    EXPECT_EQ(f.exercise().passage(), folder.Read(info.textFile)->substr(offset, info.exerciseLength))
        << info.textFile;
    EXPECT_TRUE(ShowsText(kPageTitleX, kPageTitleY, info.pageTitle, Colors().infoText)) << info.textFile;
    Type("x");
    Command(ID_LEVEL1 + level);
    EXPECT_EQ(f.exercise().cursor(), 0) << info.textFile;
  }
  EXPECT_EQ(draws, kLevelCount);
}

// A missing text, and one too short for the offset drawn, are reported once; home
// shows under the hidden strip until Esc.
TEST_F(Levels, MissingOrTooShortTextIsReportedThenHomeUnderTheHiddenStrip) {
  folder.Remove("Level4.kpd");
  folder.Write("Level5.kpd", std::string(500, '7'));
  TheSeams().nextRandom = [] { return 450; };
  MainFrame& f = Open();
  MessageBoxWatcher watcher([&] { f.RedrawAll(); });
  for (int level : {3, 4}) {
    Command(ID_LEVEL1 + level);
    FinishSlide(f);
    ASSERT_EQ(watcher.seen().size(), level - 2u);
    EXPECT_EQ(watcher.seen().back().text,
              "出错：" + std::string(kLevels[level].textFile) + " 文件丢失或损坏，练习无法继续！");
    EXPECT_EQ(watcher.seen().back().caption, "Kelp错误提示");
    EXPECT_EQ(f.exercise().phase(), Phase::Idle);
    EXPECT_EQ(Count({kPageTitleX, kPageTitleY, kPageTitleX + 80, 20}, Colors().infoText), 0);
    EXPECT_EQ(f.slide().state(), StripState::Hidden);
    Command(ID_HOME);
    FinishSlide(f);
  }
}

// The key of the next character is framed, also without a picture; other characters
// and the result page frame nothing.
TEST_F(Levels, NextKeyIsFramedOnTheHintPictureOrNothingForKeysWithoutOne) {
  const COLORREF red = RGB(255, 0, 0);
  const struct {
    int level;
    const char* passage;
    bool picture;
  } cases[] = {{0, "q a,A", true}, {0, "a b", false}, {4, "+0.,A", true}};
  for (const auto& [level, passage, picture] : cases) {
    const LevelInfo& info = kLevels[level];
    if (!picture) folder.Remove(info.hintPicture);
    MainFrame& f = StartLevel(ID_LEVEL1 + level, info.textFile, passage);
    const RECT area{info.hintPictureX, kHintPictureY, kClientWidth, kClientHeight};
    for (const char* next = passage; *next; Type(std::string(1, *next++))) {
      SCOPED_TRACE(std::string(info.textFile) + " before " + *next);
      if (const auto box = FindKeyBox(*next)) {
        EXPECT_EQ(PixelAt(f, box->left, box->top), red);
        EXPECT_EQ(PixelAt(f, box->right - 1, box->bottom - 1), red);
      } else {
        EXPECT_EQ(Count(area, red), 0);
      }
    }
    Type(std::string(info.exerciseLength, 'x'));
    EXPECT_EQ(Count(area, red), 0) << info.textFile;
    if (!picture) { EXPECT_EQ(PixelAt(f, 600, 300), PixelAt(f, 30, 440)); }
  }
}

// Every framed key of a picture has its cap edge on the box edge: a dark line there,
// the lighter cap face inside it and, left and top, the gap outside.
TEST_F(Levels, HintPicturesPutEveryFramedKeyUnderItsBox) {
  for (int level : {0, 4}) {
    const LevelInfo& info = kLevels[level];
    const Bitmap bitmap = LoadBitmapFile(folder.path() + info.hintPicture);
    ASSERT_TRUE(bitmap) << info.hintPicture;
    MemoryDC memory(nullptr);
    ScopedSelect select(memory.get(), bitmap.get());
    const auto at = [&](int x, int y) {
      return GetPixel(memory.get(), x - info.hintPictureX, y - kHintPictureY);
    };
    const auto bright = [&](int x, int y) {
      return GetRValue(at(x, y)) + GetGValue(at(x, y)) + GetBValue(at(x, y));
    };
    for (int c = ' '; c < 127; ++c) {
      const auto b = FindKeyBox(c);
      if (!b || (level == 0) != (std::islower(c) || c == ' ')) continue;
      const int midX = (b->left + b->right) / 2, midY = (b->top + b->bottom) / 2;
      const int edges[4][4] = {{b->left, midY, 1, 0}, {b->right - 1, midY, -1, 0},
                               {midX, b->top, 0, 1}, {midX, b->bottom - 1, 0, -1}};
      for (const auto [x, y, dx, dy] : edges) {
        SCOPED_TRACE(std::string(info.hintPicture) + " key " + char(c) + " edge " +
                     std::to_string(x) + "," + std::to_string(y));
        EXPECT_NE(at(x + dx, y + dy), at(x, y));
        EXPECT_GT(bright(x + 3 * dx, y + 3 * dy), bright(x, y) + 150);
        if (dx + dy > 0) { EXPECT_NE(at(x - dx, y - dy), at(x, y)); }
      }
    }
  }
}

}  // namespace
}  // namespace kelp::test
