#include "app/page_state.h"
#include "practice/exercise.h"
#include "practice/exercise_result.h"
#include "practice/scoring.h"

#include <gtest/gtest.h>

#include <string>

namespace kelp {
namespace {

const std::string kPassage = "ab cd-ef gh ij kl mn op qr st uv wx yz 12";

Exercise Ready(int level = 0) {
  Exercise exercise;
  exercise.RequestStart(level);
  EXPECT_TRUE(exercise.Begin(kPassage + std::string(200, 'x'), 100));
  return exercise;
}

// The beginner and keypad passages are both forty keys long.
TEST(Exercise, ClockStartsAtTheFirstKeyAndStopsAtTheFortieth) {
  for (int level : {0, 4}) {
    SCOPED_TRACE(level);
    Exercise exercise = Ready(level);
    EXPECT_EQ(exercise.phase(), Phase::Ready);
    EXPECT_TRUE(exercise.Type('a', 105).right);
    EXPECT_EQ(exercise.phase(), Phase::Typing);
    for (int i = 1; i < 39; ++i) EXPECT_FALSE(exercise.Type(kPassage[i], 110).finished);
    EXPECT_EQ(exercise.typedCount(), 39);
    EXPECT_TRUE(exercise.Type('2', 121).finished);
    EXPECT_EQ(exercise.phase(), Phase::Finished);
    EXPECT_EQ(exercise.elapsedSeconds(), 16);  // from the first key, not from the passage
    // Nothing is stored past the last cell.
    const KeyOutcome ignored = exercise.Type('x', 122);
    EXPECT_FALSE(ignored.stored);
    EXPECT_FALSE(ignored.finished);
    EXPECT_EQ(exercise.cursor(), 39);
  }
}

// Only the level's own cells count, and each level is scored by its own rules.
TEST(ExerciseResult, EveryLevelIsScoredByItsOwnRules) {
  for (int level = 0; level < kLevelCount; ++level) {
    Exercise exercise;
    exercise.RequestStart(level);
    ASSERT_TRUE(exercise.Begin(std::string(kTextBufferSize, 'a'), 0));
    const int length = kLevels[level].exerciseLength;
    for (int k = 0; k < length; ++k)
      exercise.Type(k == 0 || k == length - 1 ? 'b' : 'a', k ? 30 : 0);
    ExerciseResult result;
    result.scoreSaved = false;
    result.Evaluate(exercise.passage(), exercise.typed(), exercise.level(),
                    exercise.elapsedSeconds());
    const Figures expected = ComputeFigures(level, length - 2, 30);
    EXPECT_EQ(result.level, level) << level;
    EXPECT_EQ(result.correctCount, length - 2) << level;
    EXPECT_EQ(result.speed, expected.speed) << level;
    EXPECT_EQ(result.accuracy, expected.accuracy) << level;
    EXPECT_EQ(result.score, expected.score) << level;
    EXPECT_TRUE(result.scoreSaved) << level;
    EXPECT_EQ(result.resultText, FormatResultLine(level, expected));
    exercise.RequestStart(kLevelCount);  // no such level: the last one stays
    EXPECT_EQ(exercise.level(), level);
  }
  // A typed text shorter than the passage counts only what it holds.
  const std::string same(10, 'a');
  ExerciseResult cut;
  cut.Evaluate(same, std::string_view(same).substr(0, 3), 0, 10);
  EXPECT_EQ(cut.correctCount, 3);
}

TEST(Exercise, KeysBeforeThePassageAndBackspaceAtTheStartAreIgnored) {
  Exercise exercise;
  exercise.RequestStart(2);
  EXPECT_FALSE(exercise.Type('a', 1).stored);
  EXPECT_FALSE(exercise.Backspace());
  EXPECT_FALSE(exercise.Begin("too short", 1));
  EXPECT_EQ(exercise.phase(), Phase::Start);
  exercise = Ready();
  EXPECT_FALSE(exercise.Backspace());
  exercise.Type('z', 1);
  EXPECT_TRUE(exercise.Backspace());
  EXPECT_EQ(exercise.cursor(), -1);
  EXPECT_EQ(exercise.typedCount(), 0);
}

// A wrong space is stored as typed: where the passage has "-" it still counts as wrong.
TEST(Exercise, WrongSpaceOverADashCountsAsWrongAndShowsAsDash) {
  Exercise exercise = Ready();
  const std::string typed = "ab cd ef";  // cell 5 is "-" in the passage
  for (char c : typed) exercise.Type(c, 1);
  EXPECT_FALSE(exercise.rightAt(5));
  EXPECT_EQ(exercise.typedAt(5), ' ');
  EXPECT_EQ(DisplayedTypedChar(exercise.typedAt(5), exercise.passageAt(5)), '-');
  EXPECT_EQ(DisplayedTypedChar(' ', ' '), ' ');
  for (int i = 8; i < 40; ++i) exercise.Type(kPassage[i], 1);
  ExerciseResult result;
  result.Evaluate(exercise.passage(), exercise.typed(), 0, 10);
  EXPECT_EQ(result.correctCount, 39);
}

// Away, the strip rises from where it rests out of sight in 14 ticks; back, it comes
// down to rest in 16.
TEST(ToolStripSlide, StripMovesOneWayFromRestToRestInItsTicks) {
  ToolStripSlide slide;
  EXPECT_FALSE(slide.Tick());
  for (bool away : {true, false}) {
    away ? slide.SlideAway() : slide.SlideBack();
    int strip = slide.stripY(), ticks = 1;
    if (away) {
      EXPECT_NEAR(strip, kStripRestY, 5);
    }
    for (; !slide.Tick(); ++ticks) {
      EXPECT_EQ(slide.stripY() < strip, away) << strip;
      strip = slide.stripY();
    }
    EXPECT_EQ(ticks, away ? 14 : 16);
    EXPECT_EQ(slide.state(), away ? StripState::Hidden : StripState::Shown);
    EXPECT_EQ(slide.separatorY(), away ? kHiddenSeparatorY : kShownSeparatorY);
    EXPECT_LT(strip, away ? -kSlideBandHeight / 2 : kStripRestY + 1);
  }
  EXPECT_EQ(slide.stripY(), kStripRestY);
  EXPECT_FALSE(slide.sliding());
  EXPECT_EQ(LevelOfPage(Page::Home) + LevelOfPage(Page::ScoreSheet), -2);
  for (int level = 0; level < kLevelCount; ++level) EXPECT_EQ(LevelOfPage(LevelPage(level)), level);
}

}  // namespace
}  // namespace kelp
