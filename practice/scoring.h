#pragma once

#include "practice/level_table.h"

#include <string>

// Speed, accuracy, score and verdict of a finished exercise.
namespace kelp {

struct LevelScoring {
  float accuracyPerCell;
  float speedNumerator;  // exercise length x 60
  float speedFactor;     // score points per letter a minute, before the cap at 100
};

inline constexpr LevelScoring kScoring[kLevelCount] = {
    {2.5f, 2400.0f, 0.71428573f},  {0.5f, 12000.0f, 0.45454547f}, {0.5f, 12000.0f, 0.3846154f},
    {0.5f, 12000.0f, 0.35714287f}, {2.5f, 2400.0f, 0.5f},
};

struct Figures {
  float speed = 0;
  float accuracy = 0;
  float score = 0;
  bool underOneSecond = false;  // speed is then only a lower bound
};

// An elapsed time of 0 or less (a clock that went back) counts as under a second.
Figures ComputeFigures(int level, int correctCount, int elapsedSeconds);
const char* Verdict(int level, float score);
std::string FormatResultLine(int level, const Figures& figures);

}  // namespace kelp
