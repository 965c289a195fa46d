#include "practice/scoring.h"
#include "scores/owed_scores.h"
#include "scores/score_history.h"

#include <cstring>
#include <limits>
#include <gtest/gtest.h>

namespace kelp {
namespace {

std::string Line(int level, int correct, int seconds) {
  return FormatResultLine(level, ComputeFigures(level, correct, seconds));
}

TEST(Scoring, WorkedExamplesPrintToTheDigit) {
  const struct {
    int level, correct, seconds;
    std::string line;
  } examples[] = {
      {0, 40, 16,
       "速度:150.0字母/分 正确率:100.0% 得分:100.0分  非常好！去试试下一个等级的练习吧！"},
      {4, 38, 20, "速度:120.0字母/分 正确率:95.0% 得分:57.0分  还行，请多加练习哦。"},
      {2, 190, 60, "速度:200.0字母/分 正确率:95.0% 得分:73.1分  很好！多加练习，会有很大提高哦。"},
      {4, 40, 10,
       "速度:240.0字母/分 正确率:100.0% 得分:100.0分  哇哦~完美！你已经是打字专家了！！！"},
  };
  for (const auto& e : examples)
    EXPECT_EQ(Line(e.level, e.correct, e.seconds), e.line + "  按[回车]键继续练习....");
}

TEST(Scoring, VerdictBandsPerLevelWithBoundariesInTheHigherBand) {
  // A boundary belongs to the band above it.
  EXPECT_STRNE(Verdict(4, 90.0f), Verdict(4, 89.9f));
  EXPECT_STRNE(Verdict(1, 75.0f), Verdict(1, 74.99f));
  EXPECT_STREQ(Verdict(3, 60.0f), Verdict(3, 74.99f));
  EXPECT_STRNE(Verdict(3, 60.0f), Verdict(3, 59.9f));
  EXPECT_STRNE(Verdict(4, 30.0f), Verdict(4, 29.9f));
}

TEST(Scoring, UnderOneSecondOrABackwardClockIsReadableAndNeverNegative) {
  for (int seconds : {0, -5}) {
    const Figures figures = ComputeFigures(1, 180, seconds);
    EXPECT_TRUE(figures.underOneSecond);
    EXPECT_EQ(figures.score, 90.0f);  // the capped factor times the accuracy
    const std::string line = FormatResultLine(1, figures);
    EXPECT_EQ(line.rfind("速度:>12000.0字母/分 正确率:90.0% 得分:90.0分", 0), 0u) << line;
    EXPECT_EQ(line.find("inf"), std::string::npos);
  }
}

std::string Floats(std::initializer_list<float> values) {
  std::string bytes;
  for (float v : values) bytes.append(reinterpret_cast<const char*>(&v), 4);
  return bytes;
}

// Fractional scores, so that a record cut at the wrong byte shows.
std::string Records(int first, int last) {
  std::string bytes;
  for (int i = first; i <= last; ++i) bytes += Floats({static_cast<float>(i) + 0.37f});
  return bytes;
}

TEST(ScoreHistory, AppendGrowsThenShiftsAtThirty) {
  EXPECT_EQ(AppendedHistory("", 57.0f), std::string("\x00\x00\x64\x42", 4));  // little-endian
  EXPECT_EQ(AppendedHistory(Records(1, 29), 55.5f), Records(1, 29) + Floats({55.5f}));
  EXPECT_EQ(AppendedHistory(Records(1, 30), 55.5f), Records(2, 30) + Floats({55.5f}));
}

TEST(ScoreHistory, DamagedLengthsLoseOnlyThePartialRecordAndOverlongTailsStay) {
  // A partial record at the end is dropped, so the new score lands where readers find it.
  for (const char* tail : {"a", "ab", "abc"})
    EXPECT_EQ(AppendedHistory(Floats({7.0f}) + tail, 8.0f), Floats({7.0f, 8.0f})) << tail;
  EXPECT_EQ(AppendedHistory("xy", 3.0f), Floats({3.0f}));

  // 32 records: slots 1..30 shift, the whole records beyond them are left alone.
  EXPECT_EQ(AppendedHistory(Records(1, 32), 99.0f),
            Records(2, 30) + Floats({99.0f}) + Records(31, 32));
  // 118 bytes: 29 whole records and a partial one; the new score is the 30th.
  EXPECT_EQ(AppendedHistory(Records(1, 32).substr(0, 118), 5.0f), Records(1, 29) + Floats({5.0f}));
  const std::vector<float> parsed = ParseHistory(Records(1, 2));
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[1], 2.37f);
  // Scores kept for later go in one after the other, the oldest first.
  EXPECT_EQ(AppendedHistory(Records(1, 29), {40.0f, 41.0f}), Records(2, 29) + Floats({40, 41}));
}

// A temporary file stands in for a lost history only as what the program writes:
// 1 to 30 whole records, each a score the evaluation can give.
TEST(ScoreHistory, OnlyWholeHistoriesOfPossibleScoresAreRecovered) {
  for (const std::string& whole :
       {Floats({0.0f}), Floats({100.0f}), Floats({-0.0f, 55.5f}), Records(1, 30)})
    EXPECT_TRUE(IsRecoverableHistory(whole)) << whole.size();
  std::string noise(64, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>(i * 97 + 13);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (const std::string& foreign :
       {std::string(), std::string("ab"), Floats({7.0f}) + "a", Records(1, 31), noise,
        Floats({50.0f, nan}), Floats({inf}), Floats({-inf, 1.0f}), Floats({100.01f}),
        Floats({-0.01f, 3.0f}), Floats({9e27f})})
    EXPECT_FALSE(IsRecoverableHistory(foreign)) << foreign.size();
}

TEST(OwedScores, KeepTheLatestThirtyOfEachLevelUntilSettled) {
  OwedScores owed;
  EXPECT_TRUE(owed.empty());
  std::vector<float> latest;
  for (int i = 1; i <= 32; ++i) owed.Add(2, static_cast<float>(i)), latest.push_back(i);
  owed.Add(4, 9.0f);
  EXPECT_EQ(owed.Of(2), std::vector<float>(latest.begin() + 2, latest.end()));
  EXPECT_EQ(owed.Of(4), std::vector<float>{9.0f});
  owed.Settle(2);
  EXPECT_TRUE(owed.Of(2).empty());
  EXPECT_FALSE(owed.empty());
  owed.Add(0, 1.0f);
  owed.SettleAll();
  EXPECT_TRUE(owed.empty());
}

}  // namespace
}  // namespace kelp
