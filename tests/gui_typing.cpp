#include "platform/gbk.h"
#include "practice/key_boxes.h"
#include "scores/score_history.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"

#include <thread>

namespace kelp::test {
namespace {

using Typing = FrameTest;

// A right key sounds KP.WAV and draws in the standard colour, a wrong one ERR.WAV and the
// error colour (a wrong space as "-", over a "-" too); Backspace sounds KP.WAV and moves
// the mark back.
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
  const auto has = [&](int k, COLORREF color) {
    const CellPosition c = CellAt(kLevels[1], k);
    return Count({c.x, c.typedY, c.x + kCellPitch, c.typedY + 20}, color) > 3;
  };
  EXPECT_TRUE(has(0, mark));
  Type("a ");
  EXPECT_TRUE(has(0, right) && has(1, wrong));
  Type("\b");
  EXPECT_TRUE(!has(1, wrong) && has(1, mark));
  Type("- ");
  EXPECT_TRUE(has(1, right) && has(2, wrong));
  Type("\b\b\b\b\r");  // never before the first cell; Enter while typing does nothing
  EXPECT_TRUE(f.exercise().cursor() == -1 && f.exercise().phase() == Phase::Typing);
  EXPECT_EQ(sounds, "KEKKEKKK");
}

// Keys repaint only their cells and key frames (the marker left of them stays), leaving
// the page as a whole-page paint draws it: no stale glyph after a Backspace at a row end.
TEST_F(Typing, KeyRepaintsTouchOnlyTheirCellsAndMatchAWholePagePaint) {
  std::string passage;
  for (int k = 0; k < 200; ++k) passage += "fad jak; las-dak sal "[k % 21];
  for (int level : {0, 1, 3}) {
    MainFrame& f = StartLevel(ID_LEVEL1 + level, kLevels[level].textFile, passage);
    const COLORREF marker = PixelAt(f, 5, 440) ^ 0xFFFFFF;
    SetPixel(WindowDC(f.hwnd(), WindowDC::kClient).get(), 5, 440, marker);
    for (int k = 0; k + 1 < f.exercise().length(); ++k) {
      Type(std::string(1, k % 5 == 0 ? 'x' : k % 9 == 0 ? ' ' : passage[k]));
      if (k % 13 == 0 || k == 50) Type("\bq\b" + std::string(1, passage[k]));
    }
    EXPECT_EQ(PixelAt(f, 5, 440), marker) << level;
    const std::vector<COLORREF> afterKeys = Look({kGridLeft, 0, kClientWidth, kClientHeight});
    f.RedrawAll();
    EXPECT_TRUE(Look({kGridLeft, 0, kClientWidth, kClientHeight}) == afterKeys) << level;
  }
}

// F2 to F6 open the levels, the first after the strip has slid away, the others at once,
// each with its title and a passage of its text from the offset drawn; the level already
// shown keeps its exercise. Time before the first key does not count, keys after the last
// change nothing, a full history drops its oldest score, Enter starts a new passage.
TEST_F(Typing, EachLevelShowsAPassageOfItsTextThenItsResultAndStoresTheScore) {
  // clang-format off
  const struct { int wrong, seconds; std::string line; } runs[kLevelCount] = {
      {0, 16, "速度:150.0字母/分 正确率:100.0% 得分:100.0分  非常好！去试试下一个等级的练习吧！"},
      {0, 400, "速度:30.0字母/分 正确率:100.0% 得分:13.6分  成绩不够理想，不妨试试低一级的练习。"},
      {10, 60, "速度:200.0字母/分 正确率:95.0% 得分:73.1分  很好！多加练习，会有很大提高哦。"},
      {20, 100, "速度:120.0字母/分 正确率:90.0% 得分:38.6分  还行，请多加练习哦。"},
      {2, 20, "速度:120.0字母/分 正确率:95.0% 得分:57.0分  还行，请多加练习哦。"}};
  // clang-format on
  int draws = 0;
  TheSeams().nextRandom = [&] { return 4000 + 100 * draws++; };
  TheSeams().clock = [this] { return clock; };
  folder.Write(ScoreFileName(4), std::string(4 * kHistoryCapacity, '\0'));
  MainFrame& f = Open();
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelInfo& info = kLevels[level];
    const std::string& line = runs[level].line;
    Press(VK_F2 + level);
    EXPECT_EQ(f.exercise().phase(), level ? Phase::Ready : Phase::Start);
    FinishSlide(f);
    const int offset = (4000 + 100 * (draws - 1)) % info.offsetModulus;
    EXPECT_EQ(f.exercise().passage(),
              folder.Read(info.textFile)->substr(offset, info.exerciseLength));
    const RECT title{kPageTitleX, kPageTitleY, kClientWidth, kHiddenSeparatorY};
    EXPECT_TRUE(Shows(title, Colors().infoText, info.pageTitle)) << level;
    std::string typed(f.exercise().passage());
    for (int k = 0; k < runs[level].wrong; ++k) typed[k] = typed[k] == '#' ? '$' : '#';
    clock += 5;
    Type(typed.substr(0, 1));
    Command(ID_LEVEL1 + level);
    EXPECT_EQ(f.exercise().cursor(), 0) << level;
    clock += runs[level].seconds;
    Type(typed.substr(1) + "zzz");
    const RECT shown{30, info.resultY, kClientWidth, info.resultY + 12};
    EXPECT_TRUE(Shows(shown, Colors().infoText, line + "  按[回车]键继续练习....")) << level;
    const std::vector<float> scores = ReadScores(folder.path(), level);
    EXPECT_EQ(scores.size(), level == 4 ? 30u : 1u);
    EXPECT_NEAR(scores.back(), std::stof(line.substr(line.find("得分:") + 5)), 0.05f);
    Type("\r");
    EXPECT_TRUE(f.exercise().phase() == Phase::Ready && f.exercise().level() == level);
  }
}

// A history held open for a moment by another program still takes the score; a lost
// history comes back from a temporary file of whole records, not from a cut first score.
TEST_F(Typing, HeldOrInterruptedHistoriesLoseNoScore) {
  folder.Write("Lev1Data.kpd.tmp", AppendedHistory(AppendedHistory("", 20.5f), 80.25f));
  folder.Write("Lev2Data.kpd.tmp", AppendedHistory("", 30.0f));
  EXPECT_EQ(ReadScores(folder.path(), 1), (std::vector<float>{20.5f, 80.25f}));
  EXPECT_TRUE(ReadScores(folder.path(), 2).empty());
  const HANDLE held = CreateFileW(Widen(folder.path() + "Lev1Data.kpd").c_str(), GENERIC_READ,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread holder([held] { Sleep(100), CloseHandle(held); });
  EXPECT_TRUE(AppendScore(folder.path(), 1, 55.5f));
  holder.join();
  EXPECT_EQ(ReadScores(folder.path(), 1), (std::vector<float>{20.5f, 80.25f, 55.5f}));
}

// The key of the next character is framed; other characters and the result page frame
// nothing.
TEST_F(Typing, NextKeyIsFramedOnTheHintPictureOrNothingForKeysWithoutOne) {
  for (const char* passage : {"q a,A", "+0.,A"}) {
    const int level = passage[0] == '+' ? 4 : 0;
    const RECT area{kLevels[level].hintPictureX, kHintPictureY, kClientWidth, kClientHeight};
    MainFrame& f = StartLevel(ID_LEVEL1 + level, kLevels[level].textFile, passage);
    for (const char* next = passage; *next; Type(std::string(1, *next++))) {
      const std::optional<KeyBox> box = FindKeyBox(*next);
      EXPECT_TRUE(box ? PixelAt(f, box->left, box->top) == RGB(255, 0, 0) &&
                            PixelAt(f, box->right - 1, box->bottom - 1) == RGB(255, 0, 0)
                      : Count(area, RGB(255, 0, 0)) == 0)
          << passage << " before " << *next;
    }
    Type(std::string(40, 'x'));
    EXPECT_EQ(Count(area, RGB(255, 0, 0)), 0) << passage;
  }
}

}  // namespace
}  // namespace kelp::test
