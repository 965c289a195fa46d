#include "appearance/settings_file.h"
#include "platform/gbk.h"
#include "practice/level_table.h"
#include "resource_ids.h"
#include "scores/score_history.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

#include <cstring>
#include <thread>

namespace kelp::test {
namespace {

class Typing : public FrameTest {
 protected:
  void Type(const std::string& keys) {
    for (char c : keys) SendMessageW(frame->hwnd(), WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  int CountColor(RECT area, COLORREF color) { return test::CountColor(frame->hwnd(), area, color); }
  std::string Snapshot(RECT area) {
    const HDC dc = GetDC(frame->hwnd());
    std::string pixels;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        pixels += std::to_string(GetPixel(dc, x, y)) + ",";
    ReleaseDC(frame->hwnd(), dc);
    return pixels;
  }
};

const std::string kBeginnerPassage = "qa sd fg hj kl asdf jkl qwer uiop zxcv b";

TEST_F(Typing, BeginnerExerciseFromFirstKeyToStoredScore) {
  MainFrame& f = StartLevel(ID_LEVEL1, "Level1.kpd", kBeginnerPassage);
  ASSERT_EQ(f.exercise().phase(), Phase::Ready);
  clock += 5;  // time before the first key does not count
  Type("q");
  EXPECT_EQ(f.exercise().phase(), Phase::Typing);
  EXPECT_EQ(f.exercise().startTime(), clock);
  EXPECT_GT(CountColor({77, 60, 90, 80}, f.palette().standardText), 5);  // "q" at x 77
  EXPECT_GT(CountColor({90, 60, 103, 80}, f.palette().infoText), 3);     // the mark moved to x 90
  EXPECT_EQ(PixelAt(f, 98, 270), RGB(255, 0, 0));                        // "a" is framed next

  clock += 16;
  Type(kBeginnerPassage.substr(1));
  EXPECT_EQ(f.exercise().phase(), Phase::Result);
  EXPECT_EQ(f.exercise().endTime() - f.exercise().startTime(), 16);
  EXPECT_EQ(Narrow(Widen(f.result().resultText)), f.result().resultText);
  EXPECT_EQ(f.result().resultText.rfind("速度:150.0字母/分 正确率:100.0% 得分:100.0分", 0), 0u);
  EXPECT_EQ(ReadScores(folder.path(), 0), std::vector<float>{100.0f});
  EXPECT_EQ(folder.Read("Lev0Data.kpd")->size(), 4u);
  // The result page shows the picture without any frame, and the line at y 90.
  EXPECT_NE(PixelAt(f, 98, 270), RGB(255, 0, 0));
  EXPECT_GT(CountColor({30, 90, 300, 102}, f.palette().infoText), 20);

  // Extra keys change nothing; Enter starts a new passage of the same level.
  Type("zzz");
  EXPECT_EQ(ReadScores(folder.path(), 0).size(), 1u);
  Type("\r");
  EXPECT_EQ(f.exercise().phase(), Phase::Ready);
  EXPECT_EQ(f.exercise().cursor(), -1);
  EXPECT_EQ(f.page(), LevelPage(0));
}

TEST_F(Typing, AdvancedExerciseWithMistakesStoresItsScore) {
  std::string passage;
  while (passage.size() < 200) passage += "Tea (hot) costs $3; ";
  passage.resize(200);
  MainFrame& f = StartLevel(ID_LEVEL3, "Level3.kpd", passage);
  std::string typed = passage;
  for (int i = 0; i < 10; ++i) typed[i * 20] = '#';
  Type(typed.substr(0, 1));
  clock += 60;
  Type(typed.substr(1));
  EXPECT_EQ(f.result().correctCount, 190);
  EXPECT_EQ(f.result().resultText.rfind("速度:200.0字母/分 正确率:95.0% 得分:73.1分  很好！", 0),
            0u);
  EXPECT_EQ(ReadScores(folder.path(), 2), std::vector<float>{f.result().score});
  EXPECT_GT(CountColor({30, 410, 300, 422}, f.palette().infoText), 20);
}

TEST_F(Typing, KeypadExerciseAndTheThirtyFirstResult) {
  std::string history;
  for (int i = 1; i <= 30; ++i) {
    const float score = static_cast<float>(i);
    history.append(reinterpret_cast<const char*>(&score), 4);
  }
  folder.Write("Lev4Data.kpd", history);
  const std::string passage = "789+456-123*0.5/7+8-9*4+5.6-1/2*3+0.0+1";
  MainFrame& f = StartLevel(ID_LEVEL5, "Level5.kpd", passage + "0");
  EXPECT_EQ(PixelAt(f, 150, 225), RGB(255, 0, 0));  // "7"
  std::string typed = passage + "0";
  typed[3] = '-';
  typed[10] = '7';
  Type(typed.substr(0, 1));
  clock += 20;
  Type(typed.substr(1, 39));
  EXPECT_EQ(f.result().resultText.rfind("速度:120.0字母/分 正确率:95.0% 得分:57.0分", 0), 0u);
  const std::vector<float> scores = ReadScores(folder.path(), 4);
  ASSERT_EQ(scores.size(), 30u);
  EXPECT_EQ(scores.front(), 2.0f);
  EXPECT_EQ(scores.back(), 57.0f);
}

// A history held open for a moment by another program (a virus scanner, a synced
// folder) still takes the score; one left only as its complete temporary file (a
// drive pulled out in the middle of the replacement) is shown and appended to.
TEST_F(Typing, HeldOrInterruptedHistoriesLoseNoScore) {
  folder.Write("Lev1Data.kpd.tmp", AppendedHistory(AppendedHistory("", 20.0f), 80.0f));
  folder.Write("Lev2Data.kpd.tmp", AppendedHistory("", 30.0f));  // a first score, not stored
  MainFrame& f = Open();
  Command(ID_SCORE_SHEET);
  FinishSlide(f);
  EXPECT_GT(CountColor({0, 60, 700, 385}, f.palette().level[1]), 50);  // above the legend
  EXPECT_FALSE(folder.Read("Lev2Data.kpd"));
  frame.reset();

  const std::string passage(200, 'f');
  MainFrame& g = StartLevel(ID_LEVEL2, "Level2.kpd", passage);
  Type(passage.substr(1));
  const HANDLE held =
      CreateFileW(Widen(folder.path() + "Lev1Data.kpd").c_str(), GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread holder([held] {
    Sleep(100);
    CloseHandle(held);
  });
  Type("f");
  holder.join();
  EXPECT_TRUE(g.result().scoreSaved);
  EXPECT_EQ(ReadScores(folder.path(), 1), (std::vector<float>{20.0f, 80.0f, g.result().score}));
}

TEST_F(Typing, KeypadFramesPlusZeroAndNothingForOthers) {
  MainFrame& f = StartLevel(ID_LEVEL5, "Level5.kpd", "+0.,A1234567890123456789012345678901234");
  EXPECT_EQ(PixelAt(f, 285, 225), RGB(255, 0, 0));  // "+" tall box
  EXPECT_EQ(PixelAt(f, 289, 300), RGB(0, 255, 255));
  Type("+");
  EXPECT_NE(PixelAt(f, 285, 225), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(f, 150, 360), RGB(255, 0, 0));  // "0" wide box
  EXPECT_EQ(PixelAt(f, 239, 404), RGB(255, 0, 0));
  Type("0.");  // next is ",": no frame anywhere
  EXPECT_EQ(CountColor({150, 180, 700, 450}, RGB(255, 0, 0)), 0);
  Type(",");  // next is "A": none either
  EXPECT_EQ(CountColor({150, 180, 700, 450}, RGB(255, 0, 0)), 0);
}

// A wrong space is stored as typed and shown as "-" in the error colour, over a
// "-" too (it counts as wrong there); Backspace repairs it.
TEST_F(Typing, WrongSpaceIsWrongEvenOverADashShowsAsADashAndBackspaceRepairs) {
  SettingsRecord settings = DefaultSettings(folder.path());
  settings.colors[1] = RGB(250, 40, 40);
  folder.Write("skd.kpd", EncodeSettings(settings));
  MainFrame& f = StartLevel(ID_LEVEL2, "Level2.kpd", std::string("a-b") + std::string(197, 'c'));
  Type("a ");
  EXPECT_EQ(f.exercise().typedAt(1), ' ');
  EXPECT_FALSE(f.exercise().rightAt(1));
  EXPECT_GT(CountColor({38, 60, 51, 80}, RGB(250, 40, 40)), 3);  // "-" in the error colour
  Type("\b");
  EXPECT_EQ(f.exercise().cursor(), 0);
  EXPECT_EQ(CountColor({38, 60, 51, 80}, RGB(250, 40, 40)), 0);
  Type("- ");  // a space where "b" belongs
  EXPECT_GT(CountColor({51, 60, 64, 80}, RGB(250, 40, 40)), 3);
  EXPECT_EQ(CountColor({38, 60, 51, 80}, RGB(250, 40, 40)), 0);
  EXPECT_GT(CountColor({38, 60, 51, 80}, f.palette().standardText), 3);
  Type("\b\b\b\b");  // never below -1
  EXPECT_EQ(f.exercise().cursor(), -1);
  Type("\r");  // Enter while typing does nothing
  EXPECT_EQ(f.exercise().phase(), Phase::Typing);
}

TEST_F(Typing, NothingIsStoredBeyondTheExercise) {
  TheSeams().nextRandom = [] { return 0; };
  MainFrame& f = Open();
  Command(ID_LEVEL1);
  Type("abc");  // during the slide: ignored
  EXPECT_EQ(f.exercise().cursor(), -1);
  FinishSlide(f);

  // Minimised, the window cannot paint; the last key still ends the exercise and
  // stores its score, and the keys after it are ignored.
  ShowWindow(f.hwnd(), SW_MINIMIZE);
  Type(std::string(300, 'k'));
  EXPECT_EQ(f.exercise().cursor(), 39);
  EXPECT_EQ(f.exercise().phase(), Phase::Result);
  EXPECT_EQ(ReadScores(folder.path(), 0).size(), 1u);
  ShowWindow(f.hwnd(), SW_RESTORE);
  f.RedrawAll();
  EXPECT_GT(CountColor({30, 90, 300, 102}, f.palette().infoText), 20);  // the result line
}

// Keys repaint only the cells and key frames they change; the window must end up
// exactly as a whole-page paint of the same state draws it: no stale glyph after a
// Backspace over a row end, no passage drawn over itself until it blurs.
TEST_F(Typing, KeyRepaintsLeaveTheSamePixelsAsAWholePagePaint) {
  const RECT page{0, 0, 700, 450};
  for (int command : {ID_LEVEL1, ID_LEVEL2, ID_LEVEL4}) {
    std::string passage;
    while (passage.size() < 200) passage += "fad jak; las-dak sal ";
    passage.resize(200);
    const std::string file = "Level" + std::to_string(command - ID_LEVEL1 + 1) + ".kpd";
    MainFrame& f = StartLevel(command, file, passage);
    const int keys = f.exercise().length() - 1;
    for (int k = 0; k < keys; ++k) {
      Type(std::string(1, k % 5 == 0 ? 'x' : k % 9 == 0 ? ' ' : passage[k]));
      if (k % 13 == 0 || k == 50) Type("\bq\b" + std::string(1, passage[k]));
    }
    ASSERT_EQ(f.exercise().phase(), Phase::Typing);
    const std::string afterKeys = Snapshot(page);
    f.RedrawAll();
    EXPECT_EQ(Snapshot(page), afterKeys) << command;
    frame.reset();
  }
}

}  // namespace
TEST_F(Typing, BackspaceAfterTheFiftyFirstKeyLeavesNoStaleGlyph) {
  MainFrame& f = StartLevel(ID_LEVEL2, "Level2.kpd", std::string(200, 'M'));
  Type(std::string(51, 'M'));
  EXPECT_GT(CountColor({25, 150, 38, 170}, f.palette().standardText), 5);  // 51st key at (25, 150)
  EXPECT_GT(CountColor({38, 150, 51, 170}, f.palette().infoText), 3);      // mark at x 38
  Type("\b");
  EXPECT_EQ(f.exercise().cursor(), 49);
  EXPECT_EQ(CountColor({25, 150, 38, 170}, f.palette().standardText), 0);
  EXPECT_GT(CountColor({25, 150, 38, 170}, f.palette().infoText), 3);  // mark back at x 25
  EXPECT_EQ(CountColor({38, 150, 51, 170}, f.palette().infoText), 0);
}

}  // namespace kelp::test
