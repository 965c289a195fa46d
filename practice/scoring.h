#pragma once

#include "practice/level_table.h"

#include <string>

// Speed, accuracy, score and verdict of a finished exercise.
namespace kelp {

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
