#include "appearance/settings_file.h"
#include "practice/key_boxes.h"
#include "practice/level_table.h"
#include "resource_ids.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

#include <cstring>
#include <vector>

namespace kelp::test {
namespace {

using Levels = FrameTest;

int CountPixels(const MainFrame& f, RECT area, COLORREF color) {
  return CountColor(f.hwnd(), area, color);
}

TEST_F(Levels, StartFromHomeSlidesFirstFromAShownPageIsImmediateSameLevelKeepsItsExercise) {
  int draws = 0;
  TheSeams().nextRandom = [&] { return 4000 + 100 * draws++; };
  MainFrame& f = Open();
  Command(ID_LEVEL3);
  EXPECT_EQ(f.exercise().phase(), Phase::Start);  // nothing loaded while the strip slides
  FinishSlide(f);
  ASSERT_EQ(f.exercise().phase(), Phase::Ready);
  EXPECT_EQ(f.exercise().passage(),
            folder.Read("Level3.kpd").value_or("").substr(4000 % 3799, 200));
  Command(ID_LEVEL1);
  EXPECT_EQ(f.slide().state(), StripState::Hidden);
  EXPECT_EQ(f.page(), LevelPage(0));
  EXPECT_EQ(f.exercise().phase(), Phase::Ready);
  const std::string first(f.exercise().passage());
  Command(ID_LEVEL1);  // the level already shown: only a repaint
  EXPECT_EQ(f.exercise().passage(), first);
  EXPECT_EQ(draws, 2);
}

TEST_F(Levels, PassageCellsAndCursorMarkAtTheirPixels) {
  // A passage with no glyph in cell 1 and a full-height glyph in cell 0.
  folder.Write("skd.kpd", EncodeSettings({0, {RGB(10, 200, 30), 0, RGB(250, 20, 200)}, ""}));
  MainFrame& f = StartLevel(ID_LEVEL2, "Level2.kpd", std::string(200, 'M').replace(50, 1, " "));
  for (int k : {0, 49, 51, 199}) {
    const CellPosition c = CellAt(kLevels[1], k);
    EXPECT_GT(CountPixels(f, {c.x, c.passageY, c.x + 13, c.passageY + 20}, RGB(10, 200, 30)), 10)
        << k;
  }
  // Nothing of the passage leaks into the typed rows; the cursor mark is under cell 0.
  EXPECT_EQ(CountPixels(f, {25, 60, 675, 80}, RGB(10, 200, 30)), 0);
  EXPECT_GT(CountPixels(f, {25, 60, 38, 80}, RGB(250, 20, 200)), 3);
}

// A missing text, and one too short for the offset drawn, are reported once; home
// shows under the hidden strip.
TEST_F(Levels, MissingOrTooShortTextIsReportedOnceThenHomeUnderTheHiddenStrip) {
  folder.Remove("Level4.kpd");
  folder.Write("Level5.kpd", std::string(500, '7'));
  TheSeams().nextRandom = [] { return 450; };
  MainFrame& f = Open();
  MessageBoxWatcher watcher([&] { f.RedrawAll(); });
  Command(ID_LEVEL4);
  FinishSlide(f);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, "出错：Level4.kpd 文件丢失或损坏，练习无法继续！");
  EXPECT_EQ(watcher.seen()[0].caption, "Kelp错误提示");
  EXPECT_EQ(f.page(), Page::Home);
  EXPECT_EQ(f.exercise().phase(), Phase::Idle);
  EXPECT_EQ(f.slide().state(), StripState::Hidden);
  Command(ID_HOME);
  FinishSlide(f);
  EXPECT_EQ(f.slide().state(), StripState::Shown);
  Command(ID_LEVEL5);
  FinishSlide(f);
  ASSERT_EQ(watcher.seen().size(), 2u);
  EXPECT_EQ(watcher.seen()[1].text, "出错：Level5.kpd 文件丢失或损坏，练习无法继续！");
  EXPECT_EQ(f.page(), Page::Home);
  EXPECT_TRUE(f.hintPicture());  // the keypad picture is loaded all the same
}

int Brightness(COLORREF c) {
  return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

// Every framed key of a picture has its cap edge on the box edge: a dark line
// exactly there, the lighter cap face inside it, and (left and top) the gap outside.
void ExpectCapsUnderBoxes(const std::string& picture, int pictureX,
                          const std::vector<KeyBox>& boxes) {
  Bitmap bitmap = LoadBitmapFile(picture);
  ASSERT_TRUE(bitmap) << picture;
  MemoryDC memory(nullptr);
  ScopedSelect select(memory.get(), bitmap.get());
  auto at = [&](int x, int y) { return GetPixel(memory.get(), x - pictureX, y - kHintPictureY); };
  for (const KeyBox& b : boxes) {
    const int midX = (b.left + b.right) / 2, midY = (b.top + b.bottom) / 2;
    const struct {
      int x, y, dx, dy;
      bool gapOutside;
    } edges[] = {{b.left, midY, 1, 0, true},
                 {b.right - 1, midY, -1, 0, false},
                 {midX, b.top, 0, 1, true},
                 {midX, b.bottom - 1, 0, -1, false}};
    for (const auto& e : edges) {
      const COLORREF edge = at(e.x, e.y);
      EXPECT_NE(at(e.x + e.dx, e.y + e.dy), edge) << picture << " inside " << e.x << "," << e.y;
      EXPECT_GT(Brightness(at(e.x + 3 * e.dx, e.y + 3 * e.dy)), Brightness(edge) + 150)
          << picture << " box " << b.left << "," << b.top << " edge " << e.x << "," << e.y;
      if (e.gapOutside) {
        EXPECT_NE(at(e.x - e.dx, e.y - e.dy), edge) << picture << " outside " << e.x << "," << e.y;
      }
    }
  }
}

TEST_F(Levels, HintPicturesPutEveryFramedKeyUnderItsBox) {
  std::vector<KeyBox> letters, keypad;
  for (const KeyRow& row : kLetterRows)
    for (int j = 0; row.keys[j]; ++j) letters.push_back(RowKeyBox(row, j));
  for (const KeyRow& row : kKeypadRows)
    for (int j = 0; row.keys[j]; ++j) keypad.push_back(RowKeyBox(row, j));
  for (const SingleKey& single : kSingleKeys)
    (single.key == ' ' ? letters : keypad).push_back(single.box);
  ExpectCapsUnderBoxes(folder.path() + "kb1.kpd", kLetterPictureX, letters);
  ExpectCapsUnderBoxes(folder.path() + "kb2.kpd", kKeypadPictureX, keypad);
}

TEST_F(Levels, MissingHintPictureDrawsAPlainAreaAndStillFrames) {
  folder.Remove("kb1.kpd");
  MainFrame& f = StartLevel(ID_LEVEL1, "Level1.kpd", " a");
  EXPECT_FALSE(f.hintPicture());
  EXPECT_EQ(PixelAt(f, 600, 300), PixelAt(f, 30, 440));  // one plain fill, no garbage
  EXPECT_EQ(PixelAt(f, 200, 360), RGB(255, 0, 0));       // the space bar's frame
  EXPECT_EQ(PixelAt(f, 469, 404), RGB(255, 0, 0));
}

}  // namespace
}  // namespace kelp::test
