#include "platform/gbk.h"
#include "practice/exercise_result.h"
#include "practice/key_boxes.h"
#include "scores/score_history.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"

#include <algorithm>
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
  for (std::string wave : {"KP", "ERR"}) folder.Write(wave + ".WAV", wave);
  const COLORREF right = RGB(10, 200, 30), wrong = RGB(250, 40, 40), mark = RGB(250, 20, 200);
  folder.Write("skd.kpd", EncodeSettings({0, {right, wrong, mark}, ""}));
  MainFrame& f = StartLevel(ID_LEVEL2, "Level2.kpd", "a-b" + std::string(197, 'M'));
  const auto has = [&](const char* keys, int k, COLORREF color) {
    Type(keys);
    const CellPosition c = CellAt(kLevels[1], k);
    return Count({c.x, c.typedY, c.x + kCellPitch, c.typedY + 20}, color) > 3;
  };
  EXPECT_TRUE(has("", 0, mark));
  EXPECT_TRUE(has("a ", 0, right));
  EXPECT_TRUE(has("", 1, wrong));
  EXPECT_TRUE(has("\b", 1, mark));
  EXPECT_FALSE(has("", 1, wrong));
  EXPECT_TRUE(has("- ", 1, right));
  EXPECT_TRUE(has("", 2, wrong));
  Type("\b\b\b\b\r");  // never before the first cell; Enter while typing does nothing
  EXPECT_EQ(f.session().exercise().cursor(), -1);
  EXPECT_EQ(f.session().exercise().phase(), Phase::Typing);
  EXPECT_EQ(sounds, "KEKKEKKK");
}

// Every step leaves the window as painting it whole would: each key, Backspace (across row
// starts too), the last key and its result line, Enter, a command, a slide or tip tick.
TEST_F(Typing, EveryStepRepaintsWhatAWholePaintWouldShow) {
  const std::string drill = "fad jak; las-dak sal ";
  const std::string keypad = "+0.,1-2*3/4 5 6 7 8 9";
  int step = 0;
  const auto check = [&](const char* what) {
    const std::vector<std::uint32_t> partial = ClientPixels(frame->hwnd());
    RedrawWindow(frame->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const std::vector<std::uint32_t> whole = ClientPixels(frame->hwnd());
    const auto diff = std::mismatch(partial.begin(), partial.end(), whole.begin()).first;
    const auto at = diff - partial.begin();
    EXPECT_TRUE(diff == partial.end()) << what << " at step " << step << ": pixel ("
                                       << at % kClientWidth << ", " << at / kClientWidth << ")";
    ++step;
  };
  for (int level = 0; level < kLevelCount; ++level) {
    const std::string& text = level == 4 ? keypad : drill;
    std::string passage;
    for (int k = 0; k < kTextBufferSize; ++k) passage += text[k % text.size()];
    MainFrame& f = StartLevel(ID_LEVEL1 + level, kLevels[level].textFile, passage);
    const int length = f.session().exercise().length();
    for (int k = 0; k < length; ++k) {
      Type(std::string(1, k % 7 == 3 ? 'x' : k % 11 == 5 ? ' ' : passage[k]));
      check("key");
      if (k % 13 != 0 && k % 50 != 49 && k % 50 != 0) continue;
      if (k + 1 == length) break;
      Type("\b");
      check("backspace");
      Type("\b");
      check("second backspace");
      Type("q");
      check("wrong key");
      Type(std::string(1, passage[k]));
      check("retyped key");
    }
    Type("\r");
    check("enter");
    Type(passage.substr(0, 1));
    check("first key");
    Command(ID_LEVEL1 + level);
    check("level again");
    Command(ID_HOME);
    check("home");
    while (f.session().slide().sliding()) SendMessageW(f.hwnd(), WM_TIMER, kSlideTimer, 0);
    check("tick");
    SendMessageW(f.hwnd(), WM_TIMER, kTipTimer, 0);
    check("tip");
  }
}

// F2 to F6 open the levels, the first after the strip has slid away, the others at once,
// each with a passage of its text from the offset drawn; the level already
// shown keeps its exercise. Time before the first key does not count, keys after the last
// change nothing, a full history drops its oldest score, Enter starts a new passage.
TEST_F(Typing, EachLevelShowsAPassageOfItsTextThenItsResultAndStoresTheScore) {
  int drawn = 3900;
  TheSeams().nextRandom = [&] { return drawn += 100; };
  TheSeams().clock = [this] { return clock; };
  folder.Write(ScoreFileName(4), std::string(4 * kHistoryCapacity, '\0'));
  MainFrame& f = Open();
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelInfo& info = kLevels[level];
    Press(VK_F2 + level);
    EXPECT_EQ(f.session().exercise().phase(), level ? Phase::Ready : Phase::Start);
    FinishSlide(f);
    EXPECT_EQ(f.session().exercise().passage(),
              folder.Read(info.textFile)->substr(drawn % info.offsetModulus, info.exerciseLength));
    std::string typed(f.session().exercise().passage());
    for (int k = 0; k < 4 * level; ++k) typed[k] = typed[k] == '#' ? '$' : '#';
    clock += 5, Type(typed.substr(0, 1));
    Command(ID_LEVEL1 + level);
    EXPECT_EQ(f.session().exercise().cursor(), 0) << level;
    clock += 15 + 70 * level, Type(typed.substr(1) + "zzz");
    ExerciseResult result;
    result.Evaluate(f.session().exercise().passage(), typed, level, 15 + 70 * level);
    EXPECT_TRUE(Shows({30, info.resultY, kClientWidth, info.resultY + 12}, result.resultText))
        << level;
    const std::vector<float> scores = ReadScores(folder.path(), level);
    EXPECT_TRUE(scores.size() == (level == 4 ? 30u : 1u)) << level;
    EXPECT_EQ(scores.back(), result.score) << level;
    Type("\r");
    EXPECT_EQ(f.session().exercise().phase(), Phase::Ready);
    EXPECT_EQ(f.session().exercise().level(), level);
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
  std::jthread holder([held] { Sleep(100), CloseHandle(held); });
  EXPECT_TRUE(AppendScore(folder.path(), 1, 55.5f));
  EXPECT_EQ(ReadScores(folder.path(), 1), (std::vector<float>{20.5f, 80.25f, 55.5f}));
}

// The key of the next character is framed; other characters and the result page frame
// nothing.
TEST_F(Typing, NextKeyIsFramedOnTheHintPictureOrNothingForKeysWithoutOne) {
  const COLORREF red = RGB(255, 0, 0);
  for (int level : {0, 4}) {
    const std::string passage = level ? "+0.,A" : "q a,A";
    const RECT area{kLevels[level].hintPictureX, kHintPictureY, kClientWidth, kClientHeight};
    MainFrame& f = StartLevel(ID_LEVEL1 + level, kLevels[level].textFile, passage);
    for (char next : passage + std::string(kLevels[level].exerciseLength, 'x')) {
      const std::optional<Rect> box =
          f.session().exercise().active() ? FindKeyBox(next) : std::nullopt;
      EXPECT_TRUE(box ? PixelAt(f, box->left, box->top) == red : Count(area, red) == 0)
          << passage << " before " << next;
      Type(std::string(1, next));
    }
  }
}

}  // namespace
}  // namespace kelp::test
