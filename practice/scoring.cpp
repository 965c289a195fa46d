#include "practice/scoring.h"

#include <cstdio>

namespace kelp {

namespace {

struct VerdictBand {
  float below;  // applies when the score is below this
  const char* beginner;
  const char* middle;
  const char* keypad;

  const char* For(VerdictColumn column) const {
    return column == VerdictColumn::kBeginner ? beginner
           : column == VerdictColumn::kKeypad ? keypad
                                              : middle;
  }
};

// Tested in order; the lowest band that matches wins.
constexpr VerdictBand kVerdicts[] = {
    {1e30f, "非常好！去试试下一个等级的练习吧！", "非常好！去试试下一个等级的练习吧！",
     "哇哦~完美！你已经是打字专家了！！！"},
    {90, "非常好！但要继续练习哦！", "非常好！但要继续练习哦！", "非常好！多加练习你会做得更好！"},
    {75, "很好！多加练习，会有很大提高哦。", "很好！多加练习，会有很大提高哦。",
     "很好！多加练习，会有很大提高哦。"},
    {60, "还行，请多加练习哦。", "还行，请多加练习哦。", "还行，请多加练习哦。"},
    {30, "成绩不够理想，还须多加练习呀。", "成绩不够理想，不妨试试低一级的练习。",
     "成绩不够理想，不妨试试低一级的练习。"},
};

}  // namespace

Figures ComputeFigures(int level, int correctCount, int elapsedSeconds) {
  const LevelInfo& info = kLevels[level];
  // Every cell counts the same share of 100 %; speed is letters a minute.
  const float accuracyPerCell = 100.0f / static_cast<float>(info.exerciseLength);
  const float speedNumerator = 60.0f * static_cast<float>(info.exerciseLength);
  Figures figures;
  figures.accuracy = static_cast<float>(correctCount) * accuracyPerCell;
  figures.underOneSecond = elapsedSeconds <= 0;
  const int seconds = figures.underOneSecond ? 1 : elapsedSeconds;
  figures.speed = speedNumerator / static_cast<float>(seconds);
  float score = figures.speed * info.speedFactor;
  if (score > 100) score = 100;
  figures.score = static_cast<float>(static_cast<double>(score * figures.accuracy) * 0.01);
  return figures;
}

const char* Verdict(int level, float score) {
  const char* verdict = nullptr;
  for (const VerdictBand& band : kVerdicts) {
    if (score < band.below) verdict = band.For(kLevels[level].verdicts);
  }
  return verdict;
}

std::string FormatResultLine(int level, const Figures& figures) {
  char line[256];
  std::snprintf(line, sizeof line, "速度:%s%3.1f字母/分 正确率:%3.1f%% 得分:%3.1f分  ",
                figures.underOneSecond ? ">" : "", static_cast<double>(figures.speed),
                static_cast<double>(figures.accuracy), static_cast<double>(figures.score));
  return std::string(line) + Verdict(level, figures.score) + "  按[回车]键继续练习....";
}

}  // namespace kelp
