#include "platform/gbk.h"
#include "resource_ids.h"
#include "scores/score_history.h"
#include "scores/score_sheet.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"

#include <thread>

namespace kelp::test {
namespace {

using Typing = FrameTest;

std::string Repeat(const std::string& piece, size_t size) {
  std::string text;
  while (text.size() < size) text += piece;
  return text.substr(0, size);
}

// Time before the first key does not count; keys after the last change nothing; the
// 31st score drops the oldest; a minimised window still ends the exercise.
TEST_F(Typing, ResultLineShowsSpeedAccuracyScoreAndVerdictAndTheScoreIsStored) {
  const std::string keypad = "789+456-123*0.5/7+8-9*4+5.6-1/2*3+0.0+10";
  const struct {
    int level;
    std::string passage, typed;
    int seconds;
    bool fullHistory;
    std::string line;
    float score;
  } runs[] = {
      {0, Repeat("qa sd fg ", 40), Repeat("qa sd fg ", 40), 16, false,
       "速度:150.0字母/分 正确率:100.0% 得分:100.0分  非常好！去试试下一个等级的练习吧！", 100},
      {2, Repeat("Tea (hot) costs $3; ", 200), Repeat("#ea (hot) costs $3; ", 200), 60, false,
       "速度:200.0字母/分 正确率:95.0% 得分:73.1分  很好！多加练习，会有很大提高哦。", 73.1f},
      {4, keypad, std::string(keypad).replace(3, 1, "-").replace(10, 1, "7"), 20, true,
       "速度:120.0字母/分 正确率:95.0% 得分:57.0分  还行，请多加练习哦。", 57},
  };
  for (const auto& run : runs) {
    const LevelInfo& info = kLevels[run.level];
    SCOPED_TRACE(info.textFile);
    std::string history;
    for (int i = 1; run.fullHistory && i <= kHistoryCapacity; ++i)
      history = AppendedHistory(history, static_cast<float>(i));
    folder.Write(ScoreFileName(run.level), history);
    MainFrame& f = StartLevel(ID_LEVEL1 + run.level, info.textFile, run.passage);
    if (run.fullHistory) ShowWindow(f.hwnd(), SW_MINIMIZE);
    clock += 5;
    Type(run.typed.substr(0, 1));
    clock += run.seconds;
    Type(run.typed.substr(1) + "zzz");
    ShowWindow(f.hwnd(), SW_RESTORE);
    f.RedrawAll();
    EXPECT_TRUE(ShowsText(30, info.resultY, run.line + "  按[回车]键继续练习....", Colors().infoText));
    const std::vector<float> scores = ReadScores(folder.path(), run.level);
    ASSERT_EQ(scores.size(), run.fullHistory ? size_t{kHistoryCapacity} : 1u);
    EXPECT_EQ(scores.front(), run.fullHistory ? 2.0f : scores.back());
    EXPECT_NEAR(scores.back(), run.score, 0.05f);
    Type("\r");  // a new passage of the same level
    EXPECT_EQ(f.exercise().phase(), Phase::Ready);
    EXPECT_EQ(f.exercise().level(), run.level);
  }
}

// A right key sounds KP.WAV and draws in the standard colour, a wrong one ERR.WAV and
// the error colour (a wrong space as "-", over a "-" too); Backspace sounds KP.WAV.
TEST_F(Typing, KeysColourTheirCellsAndSoundBackspaceTakesThemBack) {
  std::string sounds;
  TheSeams().soundOutput = [&](const void* wave, unsigned) {
    if (wave) sounds += *static_cast<const char*>(wave);
  };
  folder.Write("KP.WAV", "K");
  folder.Write("ERR.WAV", "E");
  const COLORREF right = RGB(10, 200, 30), wrong = RGB(250, 40, 40), mark = RGB(250, 20, 200);
  folder.Write("skd.kpd", EncodeSettings({0, {right, wrong, mark}, ""}));
  MainFrame& f = StartLevel(ID_LEVEL2, "Level2.kpd", "a-b" + std::string(197, 'M'));
  const auto cell = [](int k, bool typed) {
    const CellPosition c = CellAt(kLevels[1], k);
    const int y = typed ? c.typedY : c.passageY;
    return RECT{c.x, y, c.x + kCellPitch, y + 20};
  };
  for (int k : {0, 49, 51, 199}) EXPECT_GT(Count(cell(k, false), right), 5) << k;
  EXPECT_EQ(Count({kGridLeft, cell(0, true).top, 700, cell(0, true).bottom}, right), 0);
  EXPECT_GT(Count(cell(0, true), mark), 3);
  Type("a ");
  EXPECT_GT(Count(cell(0, true), right), 3);
  EXPECT_GT(Count(cell(1, true), wrong), 3);
  Type("\b");
  EXPECT_EQ(Count(cell(1, true), wrong), 0);
  EXPECT_GT(Count(cell(1, true), mark), 3);
  Type("- ");
  EXPECT_GT(Count(cell(1, true), right), 3);
  EXPECT_GT(Count(cell(2, true), wrong), 3);
  Type("\b\b\b\b\r");  // never before the first cell; Enter while typing does nothing
  EXPECT_EQ(f.exercise().cursor(), -1);
  EXPECT_EQ(f.exercise().phase(), Phase::Typing);
  EXPECT_EQ(sounds, "KEKKEKKK");
  Type("a-b" + std::string(48, 'M'));  // the 51st key begins the second typed row
  EXPECT_GT(Count(cell(50, true), right), 5);
  Type("\b");
  EXPECT_EQ(Count(cell(50, true), right), 0);
  EXPECT_GT(Count(cell(50, true), mark), 3);
  EXPECT_EQ(Count(cell(51, true), mark), 0);
}

std::vector<COLORREF> PageRight(HWND window) {
  std::vector<COLORREF> pixels;
  const HDC dc = GetDC(window);
  for (int y = 0; y < kClientHeight; ++y)
    for (int x = kGridLeft; x < kClientWidth; ++x) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(window, dc);
  return pixels;
}

// Keys repaint only their cells and key frames, and leave the page as a whole-page
// paint draws it: no stale glyph after a Backspace over a row end.
TEST_F(Typing, KeyRepaintsTouchOnlyTheirCellsAndMatchAWholePagePaint) {
  const std::string passage = Repeat("fad jak; las-dak sal ", 200);
  for (int level : {0, 1, 3}) {
    MainFrame& f = StartLevel(ID_LEVEL1 + level, kLevels[level].textFile, passage);
    const COLORREF marker = PixelAt(f, 5, 440) ^ 0xFFFFFF;
    const HDC dc = GetDC(f.hwnd());
    SetPixel(dc, 5, 440, marker);  // left of every key's rectangle
    ReleaseDC(f.hwnd(), dc);
    for (int k = 0; k + 1 < f.exercise().length(); ++k) {
      Type(std::string(1, k % 5 == 0 ? 'x' : k % 9 == 0 ? ' ' : passage[k]));
      if (k % 13 == 0 || k == 50) Type("\bq\b" + std::string(1, passage[k]));
    }
    EXPECT_EQ(PixelAt(f, 5, 440), marker) << level;
    const std::vector<COLORREF> afterKeys = PageRight(f.hwnd());
    f.RedrawAll();
    EXPECT_TRUE(PageRight(f.hwnd()) == afterKeys) << level;
  }
}

// A history held open for a moment by another program still takes the score; one
// left only as its complete temporary file is shown and appended to.
TEST_F(Typing, HeldOrInterruptedHistoriesLoseNoScore) {
  folder.Write("Lev1Data.kpd.tmp", AppendedHistory(AppendedHistory("", 20.0f), 80.0f));
  folder.Write("Lev2Data.kpd.tmp", AppendedHistory("", 30.0f));  // a first score, not stored
  MainFrame& f = Open();
  Command(ID_SCORE_SHEET);
  FinishSlide(f);
  EXPECT_EQ(PixelAt(f, RecordX(0), ScoreY(20.0f)), Colors().level[1]);
  EXPECT_FALSE(folder.Read("Lev2Data.kpd"));
  const std::string passage(200, 'f');
  StartLevel(ID_LEVEL2, "Level2.kpd", passage);
  Type(passage.substr(1));
  const HANDLE held = CreateFileW(Widen(folder.path() + "Lev1Data.kpd").c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread holder([held] { Sleep(100), CloseHandle(held); });
  Type("f");  // within the first key's second: the score is the accuracy
  holder.join();
  EXPECT_EQ(ReadScores(folder.path(), 1), (std::vector<float>{20.0f, 80.0f, 100.0f}));
}

}  // namespace
}  // namespace kelp::test
