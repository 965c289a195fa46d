#include "app/session.h"
#include "practice/key_boxes.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace kelp {
namespace {

// The files beside the program, in memory.
struct FakeFiles {
  std::string text = std::string(4000, 'a');  // every level's practice text
  bool textThere = true;
  std::vector<std::pair<int, float>> stored;
  bool scoresStore = true;
  std::array<std::vector<float>, kLevelCount> histories{};
  int historyReads = 0;
  std::vector<int> notEmptied;
  std::vector<SettingsRecord> settingsStored;
  bool settingsStore = true;
  long long clock = 1000;
  int drawn = 0;
  std::vector<std::tuple<int, long, int>> textReads;

  SessionWorld World() {
    SessionWorld w;
    w.now = [this] { return clock; };
    w.random = [this] { return drawn; };
    w.readPracticeText = [this](int level, long offset, int count) -> std::optional<std::string> {
      textReads.emplace_back(level, offset, count);
      if (!textThere || offset + count > static_cast<long>(text.size())) return std::nullopt;
      return text.substr(offset, count);
    };
    w.storeScore = [this](int level, float score) {
      stored.emplace_back(level, score);
      return scoresStore;
    };
    w.readHistory = [this](int level) {
      ++historyReads;
      return histories[level];
    };
    w.emptyHistories = [this] { return notEmptied; };
    w.storeSettings = [this](const SettingsRecord& s) {
      settingsStored.push_back(s);
      return settingsStore;
    };
    w.samePath = [](const std::string& a, const std::string& b) { return a == b; };
    return w;
  }
};

class SessionTest : public ::testing::Test {
 protected:
  Session& Make(const SettingsRecord& settings = {}) {
    session.emplace(files.World(), "C:\\Kelp\\", settings);
    return *session;
  }
  Reaction Command(int id) { return session->OnCommand(id).value(); }
  // Ticks until the slide ends; the reaction of the last tick.
  Reaction FinishSlide() {
    Reaction last;
    for (int i = 0; i < 40 && session->slide().sliding(); ++i) last = session->OnSlideTick();
    return last;
  }
  Reaction Type(const std::string& keys) {
    Reaction last;
    for (char c : keys) last = session->OnChar(static_cast<unsigned char>(c));
    return last;
  }

  FakeFiles files;
  std::optional<Session> session;
};

// A level from home slides the strip away and loads its passage when the slide ends, at
// the drawn offset; a page chosen from a shown page appears at once; Esc slides home.
TEST_F(SessionTest, PagesAreEnteredThroughTheSlideOrAtOnceAndLeftByEscape) {
  files.drawn = 4321;
  Make();
  Reaction r = Command(ID_LEVEL2);
  EXPECT_EQ(r.slideTimer, SlideTimer::kStart);
  EXPECT_FALSE(session->OnChar(0x4E2D).drawTip);  // no English request while it slides
  const Reaction tick = session->OnSlideTick();
  ASSERT_EQ(tick.repaint.size(), 1u);
  EXPECT_EQ(tick.repaint[0].left, 0);
  EXPECT_EQ(tick.repaint[0].top, 0);
  EXPECT_EQ(tick.repaint[0].right, kClientWidth);
  EXPECT_EQ(tick.repaint[0].bottom, kSlideBandHeight);
  EXPECT_TRUE(r.prepareSounds);
  EXPECT_EQ(session->exercise().phase(), Phase::Start);
  EXPECT_TRUE(files.textReads.empty());  // not while the strip slides
  r = FinishSlide();
  EXPECT_EQ(r.slideTimer, SlideTimer::kStop);
  EXPECT_TRUE(r.repaintAll);
  EXPECT_EQ(session->exercise().phase(), Phase::Ready);
  ASSERT_EQ(files.textReads.size(), 1u);
  EXPECT_EQ(files.historyReads, 0);  // a level page reads no history
  EXPECT_EQ(files.textReads[0], std::make_tuple(1, 4321L % kLevels[1].offsetModulus, 200));

  for (int level = 0; level < kLevelCount; ++level) {
    Command(ID_LEVEL1 + level);
    EXPECT_EQ(session->page(), LevelPage(level));
  }
  EXPECT_FALSE(session->OnWindowActivatedOrRestored().invalidateAll);  // a level reads nothing
  Command(ID_LEVEL4);
  r = Command(ID_LEVEL5);
  EXPECT_EQ(r.slideTimer, SlideTimer::kKeep);
  EXPECT_EQ(session->page(), LevelPage(4));
  EXPECT_EQ(session->exercise().phase(), Phase::Ready);
  EXPECT_STREQ(session->pagePictureFile(), kLevels[4].hintPicture);
  Type("a");
  r = Command(ID_LEVEL5);  // the shown level keeps its exercise
  EXPECT_EQ(session->exercise().cursor(), 0);
  EXPECT_TRUE(r.repaintAll);

  r = Command(ID_HOME);
  EXPECT_EQ(session->page(), Page::Home);
  EXPECT_EQ(session->exercise().phase(), Phase::Idle);
  EXPECT_EQ(r.slideTimer, SlideTimer::kStart);
  FinishSlide();
  EXPECT_EQ(session->slide().state(), StripState::Shown);
  r = Command(ID_HOME);
  EXPECT_FALSE(r.repaintAll);
  EXPECT_EQ(r.slideTimer, SlideTimer::kKeep);
  EXPECT_EQ(session->OnSlideTick().slideTimer, SlideTimer::kStop);  // a stale tick
  Command(ID_LEVEL1);
  session->OnSlideTick();
  Command(ID_HOME);  // turns round at once
  EXPECT_EQ(session->slide().state(), StripState::SlidingBack);
  EXPECT_EQ(session->slide().separatorY(), 21);  // the first step back
}

// The score sheet reads the histories when shown, chosen again and when the window comes
// back; the author page reads nothing, and a window back during a slide waits.
TEST_F(SessionTest, ScoreSheetReadsTheHistoriesWheneverItComesIntoView) {
  files.histories[3] = {40.0f, 60.0f};
  Make();
  Command(ID_SCORE_SHEET);
  EXPECT_EQ(files.historyReads, 0);
  EXPECT_FALSE(session->OnWindowActivatedOrRestored().invalidateAll);
  FinishSlide();
  EXPECT_EQ(files.historyReads, kLevelCount);
  EXPECT_EQ(session->histories()[3], files.histories[3]);
  files.histories[3].push_back(80.0f);
  Command(ID_SCORE_SHEET);
  EXPECT_EQ(session->histories()[3].size(), 3u);
  EXPECT_TRUE(session->OnWindowActivatedOrRestored().invalidateAll);
  EXPECT_EQ(files.historyReads, 3 * kLevelCount);
  Command(ID_AUTHOR);
  EXPECT_FALSE(session->OnWindowActivatedOrRestored().invalidateAll);
  EXPECT_FALSE(session->OnChar(0x4E2D).drawTip);  // no exercise here
  EXPECT_EQ(files.historyReads, 3 * kLevelCount);
  Command(ID_KEYBOARD_LAYOUT);
  EXPECT_STREQ(session->pagePictureFile(), "kb0.kpd");
  EXPECT_TRUE(session->OnWindowActivatedOrRestored().pagePicture);
}

// A missing or short practice text leaves the page before the learner is told.
TEST_F(SessionTest, AMissingOrShortTextIsToldFromTheHomePage) {
  for (bool there : {false, true}) {
    files.textThere = there;
    files.text = std::string(150, 'a');  // shorter than the 200 bytes levels 2 to 4 read
    Make();
    Command(ID_LEVEL3);
    const Reaction r = FinishSlide();
    EXPECT_EQ(r.notice, Notice::kMissingText);
    EXPECT_EQ(r.levels, std::vector<int>{2});
    EXPECT_EQ(session->page(), Page::Home);
    EXPECT_EQ(session->exercise().phase(), Phase::Idle);
  }
}

// A right key sounds KP.WAV, a wrong one ERR.WAV; the last key stores the score and shows the
// result, which says whether the score was stored; Enter then starts the next passage.
TEST_F(SessionTest, TheLastKeyStoresTheScoreAndEnterStartsTheNext) {
  for (bool stores : {true, false}) {
    files.scoresStore = stores;
    files.stored.clear();
    Make();
    Command(ID_LEVEL1);
    FinishSlide();
    EXPECT_STREQ(Type("a").sound, kRightKeySound);
    files.clock += 30;
    EXPECT_STREQ(Type("b").sound, kWrongKeySound);
    EXPECT_STREQ(Type("\b").sound, kRightKeySound);
    EXPECT_EQ(Type("\x7f").sound, nullptr);  // Delete is no character of the passage
    EXPECT_EQ(session->exercise().cursor(), 0);
    EXPECT_EQ(Type("\r").sound, nullptr);  // nothing while typing
    const Reaction last = Type(std::string(39, 'a'));
    EXPECT_TRUE(last.repaintAll);
    EXPECT_EQ(session->exercise().phase(), Phase::Result);
    ExerciseResult expected;
    expected.Evaluate(std::string(40, 'a'), std::string(40, 'a'), 0, 30);
    ASSERT_EQ(files.stored.size(), 1u);
    EXPECT_EQ(files.stored[0], std::make_pair(0, expected.score));
    EXPECT_EQ(session->result().scoreSaved, stores);
    EXPECT_EQ(Type("a").sound, nullptr);  // keys after the last change nothing
    EXPECT_TRUE(Type("\r").repaintAll);
    EXPECT_EQ(session->exercise().phase(), Phase::Ready);
    EXPECT_EQ(files.stored.size(), 1u);
  }
}

// What a level page draws, cell by cell: the typed rows with their colours, the cursor
// mark and the framed key. Passage cells never change during an exercise.
std::map<std::pair<int, int>, std::string> DrawnCells(const Session& s) {
  std::map<std::pair<int, int>, std::string> cells;
  const Exercise& e = s.exercise();
  const LevelInfo& level = kLevels[e.level()];
  if (e.phase() == Phase::Result) return {{{-1, -1}, "result"}};
  for (int k = 0; k < e.typedCount(); ++k) {
    const CellPosition c = CellAt(level, k);
    cells[{c.x, c.typedY}] = std::string(1, DisplayedTypedChar(e.typedAt(k), e.passageAt(k))) +
                             (e.rightAt(k) ? "+" : "-");
  }
  const int next = e.cursor() + 1;
  if (next < e.length()) {
    const CellPosition mark = CellAt(level, next);
    cells[{mark.x, mark.typedY}] += "_";
    if (level.hintPicture)
      if (auto box = FindKeyBox(static_cast<unsigned char>(e.passageAt(next))))
        cells[{box->left, box->top}] = "framed";
  }
  return cells;
}

bool Covered(const Reaction& r, std::pair<int, int> corner, int width, int height) {
  if (r.repaintAll) return true;
  for (const Rect& rect : r.repaint)
    if (rect.left <= corner.first && corner.first + width <= rect.right &&
        rect.top <= corner.second && corner.second + height <= rect.bottom)
      return true;
  return false;
}

// Every key and Backspace repaints each cell whose drawing it changed: row ends and starts,
// wrong keys and spaces, key frames, the last key.
TEST_F(SessionTest, EveryKeystrokeRepaintsWhatItChanged) {
  const std::string keypad = "+0.,1-2*3/4 55 6 7 8 9", drill = "fad jjak; lass-dak sal ";
  for (int levelIndex = 0; levelIndex < kLevelCount; ++levelIndex) {
    const std::string& text = levelIndex == 4 ? keypad : drill;
    files.text.clear();
    for (int k = 0; k < 4000; ++k) files.text += text[k % text.size()];
    Make();
    Command(ID_LEVEL1 + levelIndex);
    FinishSlide();
    const int length = session->exercise().length();
    std::string keys;
    for (int k = 0; k < length; ++k) {
      keys += k % 7 == 3 ? 'x' : k % 11 == 5 ? ' ' : files.text[k];
      if (k % 13 == 0 || k % 50 == 49 || k % 50 == 0) keys += std::string("\b\bq") + files.text[k];
    }
    for (char key : keys) {
      const auto before = DrawnCells(*session);
      const bool wasTyping = session->exercise().active();
      const Reaction r = session->OnChar(static_cast<unsigned char>(key));
      const auto after = DrawnCells(*session);
      // Nothing but cells, the key frame and a sound; all of the page after the last key.
      EXPECT_EQ(r.repaintAll, wasTyping && session->exercise().phase() == Phase::Result);
      EXPECT_EQ(r.framedButton, -1);
      for (bool other : {r.prepareSounds, r.pagePicture, r.newSettings, r.newBackground, r.newSkin,
                         r.invalidateAll, r.framePressed, r.dedication, r.drawTip})
        EXPECT_FALSE(other);
      for (const auto* cells : {&before, &after})
        for (const auto& [corner, drawn] : *cells) {
          const auto other = (cells == &before ? after : before).find(corner);
          const bool changed =
              other == (cells == &before ? after : before).end() || other->second != drawn;
          const bool box = drawn == "framed";
          if (!changed) continue;
          EXPECT_TRUE(Covered(r, corner, box ? kKeySize : kCellPitch, box ? kKeySize : 20))
              << "level " << levelIndex << " cell (" << corner.first << ", " << corner.second
              << ") after key " << int(key) << " at cursor " << session->exercise().cursor();
        }
      // A key frame is repainted only where one comes or goes.
      for (const Rect& rect : r.repaint) {
        if (rect.width() != kKeySize) continue;
        EXPECT_NE(before.count({rect.left, rect.top}), after.count({rect.left, rect.top}))
            << "level " << levelIndex << " key " << int(key);
      }
    }
  }
}

// The fourth "3" in a row on the author page shows the panel; a "3" elsewhere, also
// during an exercise, starts the count again.
TEST_F(SessionTest, TheFourthThreeOnTheAuthorPageShowsTheDedication) {
  Make();
  Command(ID_AUTHOR);
  FinishSlide();
  EXPECT_FALSE(Type("333").dedication);
  EXPECT_TRUE(Type("3").dedication);
  Type("33");
  Command(ID_LEVEL2);
  Type("3");
  Command(ID_AUTHOR);
  EXPECT_FALSE(Type("333").dedication);
  EXPECT_TRUE(Type("3").dedication);
}

// A release runs its button's command after a press, with the window repainted first; the
// hint answers only away from home. The entered button is framed and sounds.
TEST_F(SessionTest, ToolButtonsRunTheirCommandsAfterAPress) {
  Make();
  const auto click = [&](int button) {
    const Rect b = ToolButtonRect(button);
    const Point at{b.left + 20, b.top + 20};
    const Reaction down = session->OnLButtonDown(kLeftButtonOnly, at);
    EXPECT_EQ(down.framedButton, button);
    EXPECT_TRUE(down.framePressed);
    EXPECT_STREQ(down.sound, kSelectSound);
    return session->OnLButtonUp(at);
  };
  const Reaction settings = click(6);
  EXPECT_EQ(settings.dialog, Dialog::kSettings);
  EXPECT_TRUE(settings.repaintAll);
  EXPECT_EQ(click(7).window, WindowStep::kMinimize);
  EXPECT_EQ(click(8).window, WindowStep::kEndNow);
  EXPECT_EQ(session->OnLButtonUp({45, 10}).window, WindowStep::kNone);  // no press first
  click(5);
  EXPECT_EQ(session->page(), Page::ScoreSheet);
  FinishSlide();
  session->OnLButtonDown(kLeftButtonOnly, {40, 10});
  EXPECT_EQ(session->OnLButtonUp({40, 10}).slideTimer, SlideTimer::kStart);
  EXPECT_EQ(session->page(), Page::Home);
  EXPECT_EQ(session->OnMouseMove(0, {300, 300}).framedButton, -1);
  FinishSlide();
  const Reaction hover = session->OnMouseMove(0, {ToolButtonRect(0).left + 5, 20});
  EXPECT_EQ(hover.framedButton, 0);
  EXPECT_STREQ(hover.sound, kSelectSound);
}

// Every command of the menu and the accelerators has its handler.
TEST_F(SessionTest, EveryCommandIsHandledAndOpensWhatItNames) {
  Make();
  for (int id : {ID_LEVEL1, ID_LEVEL5, ID_SETTINGS, ID_DELETE_SCORES, ID_SCORE_SHEET, ID_SKIN_MAIN,
                 ID_AUTHOR, ID_MINIMIZE, ID_BACKGROUND, ID_HOME, ID_SKIN_BLACK, ID_KEYBOARD_LAYOUT,
                 ID_APP_ABOUT, ID_APP_EXIT, kEndNowCommand})
    EXPECT_TRUE(Session::HandlesCommand(id)) << id;
  EXPECT_FALSE(Session::HandlesCommand(40013));
  EXPECT_FALSE(session->OnCommand(40013));
  EXPECT_EQ(Command(ID_APP_ABOUT).dialog, Dialog::kAbout);
  EXPECT_EQ(Command(ID_BACKGROUND).dialog, Dialog::kBackground);
  EXPECT_EQ(Command(ID_APP_EXIT).window, WindowStep::kClose);
  files.notEmptied = {1, 3};
  const Reaction deleted = Command(ID_DELETE_SCORES);
  EXPECT_EQ(deleted.notice, Notice::kScoresNotEmptied);
  EXPECT_EQ(deleted.levels, files.notEmptied);
  EXPECT_EQ(files.historyReads, kLevelCount);
}

// A skin is stored and shown, the one in use with its own picture changes nothing; colours
// from the dialog are stored even unchanged and, when they cannot be, stay in use, owed; a
// picture that cannot be stored is told and not taken.
TEST_F(SessionTest, SkinsAndColoursAreStoredThenShownOrTold) {
  Make();
  Reaction r = Command(ID_SKIN_ROSE);
  EXPECT_TRUE(r.repaintAll);
  ASSERT_EQ(files.settingsStored.size(), 1u);
  EXPECT_EQ(session->settings().skinIndex, 2);
  EXPECT_TRUE(r.newSkin);
  EXPECT_TRUE(r.newBackground);
  EXPECT_EQ(session->settings().backgroundPath, "C:\\Kelp\\bgmain2.kpd");
  EXPECT_FALSE(Command(ID_SKIN_ROSE).repaintAll);
  EXPECT_EQ(files.settingsStored.size(), 1u);
  files.settingsStore = false;
  Palette colors = session->palette();
  colors.errorText = 0x123456;
  r = session->OnColorsChosen(colors);
  EXPECT_TRUE(session->settingsOwed());
  EXPECT_EQ(r.notice, Notice::kNone);
  EXPECT_EQ(session->palette().errorText, 0x123456u);
  EXPECT_FALSE(r.newBackground);
  SettingsRecord picture = session->settings();
  picture.backgroundPath = "D:\\mine.bmp";
  EXPECT_EQ(session->OnBackgroundChosen(picture).notice, Notice::kBackgroundNotSaved);
  EXPECT_EQ(session->settings().backgroundPath, "C:\\Kelp\\bgmain2.kpd");
  files.settingsStore = true;
  EXPECT_TRUE(session->OnBackgroundChosen(picture).newBackground);
  EXPECT_TRUE(session->OnBackgroundChosen(picture).newBackground);  // the same path, read anew
  EXPECT_FALSE(session->settingsOwed());
  EXPECT_EQ(session->settings().backgroundPath, "D:\\mine.bmp");
  EXPECT_EQ(session->OnTipTick().drawTip, true);
  EXPECT_EQ(session->tipText(), kTipTexts[1]);
}

// A character no key of the exercise can give asks for English input in the tip row, on a
// level page only, until the next tip; the exercise goes on untouched.
TEST_F(SessionTest, ACharacterOutsideAsciiAsksForEnglishInputUntilTheNextTip) {
  Make();
  EXPECT_FALSE(session->OnChar(0x4E2D).drawTip);  // home
  Command(ID_LEVEL2);
  FinishSlide();
  const Reaction r = session->OnChar(0x4E2D);
  EXPECT_TRUE(r.drawTip);
  EXPECT_TRUE(r.repaint.empty());
  EXPECT_EQ(session->tipText(), "请切换到英文输入状态后再打字。");
  EXPECT_EQ(session->exercise().cursor(), -1);
  session->OnTipTick();
  EXPECT_EQ(session->tipText(), kTipTexts[1]);
}

// The Windows key minimises when it comes up alone.
TEST_F(SessionTest, TheWindowsKeyMinimisesOnlyWhenReleasedAlone) {
  constexpr unsigned kWin = 0x5B, kRightWin = 0x5C, kSpace = 0x20;
  Make();
  session->OnKeyDown(kWin);
  EXPECT_EQ(session->OnKeyUp(kWin).window, WindowStep::kMinimize);
  EXPECT_EQ(session->OnKeyUp(kWin).window, WindowStep::kNone);  // one release, one minimise
  session->OnKeyDown(kRightWin);
  EXPECT_EQ(session->OnKeyUp(kRightWin).window, WindowStep::kMinimize);
  session->OnKeyDown(kWin);
  session->OnKeyDown(kSpace);
  session->OnKeyUp(kSpace);
  EXPECT_EQ(session->OnKeyUp(kWin).window, WindowStep::kNone);
  session->OnKeyDown(kWin);
  session->OnKeyboardTaken();
  EXPECT_EQ(session->OnKeyUp(kWin).window, WindowStep::kNone);
  EXPECT_EQ(session->OnKeyUp(kWin).window, WindowStep::kNone);  // no press before
}

}  // namespace
}  // namespace kelp
