#include "platform/gbk.h"
#include "practice/exercise_result.h"
#include "practice/key_boxes.h"
#include "scores/score_history.h"
#include "scores/score_store.h"
#include "tests/frame_test.h"

#include <algorithm>
#include <optional>
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
  StartLevel(ID_LEVEL2, "Level2.kpd", "a-b" + std::string(197, 'M'));
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
  EXPECT_TRUE(has("\b\b\b\b\r", 0, mark));  // never before the first cell
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
    const int length = kLevels[level].exerciseLength;
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
    FinishSlide(f);
    check("tick");
    SendMessageW(f.hwnd(), WM_TIMER, kTipTimer, 0);
    check("tip");
  }
}

// F2 to F6 open the levels, each with a passage of its text from the offset drawn; the
// level already shown keeps its exercise. Time before the first key does not count, keys
// after the last change nothing, a full history drops its oldest score.
TEST_F(Typing, EachLevelShowsAPassageOfItsTextThenItsResultAndStoresTheScore) {
  int drawn = 3900;
  TheSeams().nextRandom = [&] { return drawn += 100; };
  TheSeams().clock = [this] { return clock; };
  folder.Write(ScoreFileName(4), std::string(4 * kHistoryCapacity, '\0'));
  Open();
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelInfo& info = kLevels[level];
    Press(VK_F2 + level);
    FinishSlide(*frame);
    std::string typed = PassageOf(folder.path(), level, drawn);
    const std::string passage = typed;
    for (int k = 0; k < 4 * level; ++k) typed[k] = typed[k] == '#' ? '$' : '#';
    clock += 5;
    Type(typed.substr(0, 1));
    Command(ID_LEVEL1 + level);
    clock += 15 + 70 * level;
    Type(typed.substr(1) + "zzz");
    ExerciseResult result;
    result.Evaluate(passage, typed, level, 15 + 70 * level);
    EXPECT_TRUE(Shows({30, info.resultY, kClientWidth, info.resultY + 12}, result.resultText))
        << level;
    const std::vector<float> scores = ReadScores(folder.path(), level);
    EXPECT_EQ(scores.size(), level == 4 ? 30u : 1u) << level;
    EXPECT_EQ(scores.back(), result.score) << level;
    Type("\r");
  }
}

decltype(&CreateFileW) g_createFile = nullptr;

// Windows refuses to rewrite a read-only, hidden or system file; Wine, run by root,
// does not, so this stands in for it.
HANDLE WINAPI CreateFileAsWindows(LPCWSTR name, DWORD access, DWORD share,
                                  LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                                  HANDLE model) {
  const DWORD marks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const DWORD attributes = GetFileAttributesW(name);
  if (disposition == CREATE_ALWAYS && attributes != INVALID_FILE_ATTRIBUTES && attributes & marks) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  return g_createFile(name, access, share, security, disposition, flags, model);
}

// A history lost between the old file's removal and the rename comes back from its
// temporary file only when that holds what the program writes, a first score
// included, and without the read-only or hidden mark the temporary file had. Noise, a
// history too long and a cut record are left alone, and the next score starts the
// history afresh.
TEST_F(Typing, InterruptedHistoriesComeBackOnlyAsTheProgramWroteThem) {
  std::string noise(64, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>(i * 97 + 13);
  const std::string one = AppendedHistory("", 30.0f);
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += one;
  const std::string two = AppendedHistory(one, 80.25f);
  const ImportPatch patch("kernel32.dll", "CreateFileW",
                          reinterpret_cast<void*>(&CreateFileAsWindows));
  g_createFile = reinterpret_cast<decltype(&CreateFileW)>(patch.original());
  ASSERT_TRUE(g_createFile);
  constexpr DWORD kMarked = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  const struct {
    std::string bytes;
    DWORD attributes;
    bool taken;
  } temporaries[] = {{two, 0, true},    {one, 0, true},    {two, kMarked, true},
                     {noise, 0, false}, {fifty, 0, false}, {one.substr(0, 3), kMarked, false}};
  for (int level = 0; level < kLevelCount + 1; ++level) {
    const auto& [bytes, attributes, taken] = temporaries[level];
    const int store = level % kLevelCount;  // the sixth case goes after the first's
    const std::string path = TemporaryPathOf(folder.path() + ScoreFileName(store));
    if (level == kLevelCount) folder.Remove(ScoreFileName(store));
    folder.Write(ScoreFileName(store) + ".tmp", bytes);
    if (attributes) SetFileAttributesW(Widen(path).c_str(), attributes);
    EXPECT_EQ(ReadScores(folder.path(), store), taken ? ParseHistory(bytes) : std::vector<float>())
        << level;
    const DWORD restored = GetFileAttributesW(Widen(folder.path() + ScoreFileName(store)).c_str());
    EXPECT_TRUE(taken ? !(restored & kMarked) : restored == INVALID_FILE_ATTRIBUTES) << level;
    EXPECT_TRUE(AppendScores(folder.path(), store, {55.5f})) << level;
    EXPECT_EQ(folder.Read(ScoreFileName(store)), AppendedHistory(taken ? bytes : "", 55.5f))
        << level;
    EXPECT_FALSE(FileExists(path)) << level;
  }
}

// A history held without delete sharing for a second is stored once it is let go; held
// for six, the scores stay with the window, go with the next score of their level or,
// for the other level, as the window closes. Nothing is said: nothing was lost.
TEST_F(Typing, HistoriesHeldForSecondsLoseNoScore) {
  auto hold = [&](int level, int milliseconds) {
    const HANDLE held =
        CreateFileW(Widen(folder.path() + ScoreFileName(level)).c_str(), GENERIC_READ,
                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(held, INVALID_HANDLE_VALUE);
    return std::jthread([=] {
      Sleep(milliseconds);
      CloseHandle(held);
    });
  };
  for (int level : {0, 4}) folder.Write(ScoreFileName(level), AppendedHistory("", 20.5f));
  {
    const std::jthread holder = hold(0, 1000);
    EXPECT_TRUE(AppendScores(folder.path(), 0, {40.0f}));
  }
  EXPECT_EQ(ReadScores(folder.path(), 0), (std::vector<float>{20.5f, 40.0f}));
  const std::string passage = "+0.,+0.,+0.,+0.,+0.,+0.,+0.,+0.,+0.,+0.,";
  folder.Write(kLevels[4].textFile, passage + std::string(4000, '1'));
  std::optional<MessageBoxWatcher> watcher(std::in_place);
  std::jthread holders[] = {hold(0, 6000), hold(4, 6000)};
  StartLevel(ID_LEVEL1, kLevels[0].textFile, passage);
  const int y = kLevels[0].resultY;
  const COLORREF info = Colors().infoText;
  for (int command : {ID_LEVEL1, ID_LEVEL5}) {
    Command(command);
    Type(passage);
    EXPECT_GT(Count({30, y + 15, 400, y + 27}, info), 20) << command;
  }
  for (std::jthread& holder : holders) holder.join();
  Command(ID_LEVEL1);
  Type("\r" + passage);
  EXPECT_EQ(Count({30, y + 15, 400, y + 27}, info), 0);
  EXPECT_EQ(ReadScores(folder.path(), 0).size(), 4u);
  EXPECT_EQ(ReadScores(folder.path(), 4).size(), 1u);
  frame.reset();
  EXPECT_EQ(ReadScores(folder.path(), 4).size(), 2u);
  EXPECT_TRUE(watcher->seen().empty());
}

// The key of the next character is framed; other characters and the result page frame
// nothing.
TEST_F(Typing, NextKeyIsFramedOnTheHintPictureOrNothingForKeysWithoutOne) {
  const COLORREF red = RGB(255, 0, 0);
  for (int level : {0, 4}) {
    const std::string passage = level ? "+0.,A" : "q a,A";
    const RECT area{kLevels[level].hintPictureX, kHintPictureY, kClientWidth, kClientHeight};
    MainFrame& f = StartLevel(ID_LEVEL1 + level, kLevels[level].textFile, passage);
    int cell = 0;
    for (char next : passage + std::string(kLevels[level].exerciseLength, 'x')) {
      const bool typing = cell++ < kLevels[level].exerciseLength;
      const std::optional<Rect> box = typing ? FindKeyBox(next) : std::nullopt;
      EXPECT_TRUE(box ? PixelAt(f, box->left, box->top) == red : Count(area, red) == 0)
          << passage << " before " << next;
      Type(std::string(1, next));
    }
  }
}

}  // namespace
}  // namespace kelp::test
