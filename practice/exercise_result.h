#pragma once

#include <windows.h>

#include <string>

namespace kelp {

// Figures of the latest evaluated exercise; evaluating also stores its score.
class ExerciseResult {
 public:
  ExerciseResult();
  virtual ~ExerciseResult() = default;

  void Evaluate(const char* passage, const char* typed, int levelIndex, int elapsedSeconds);
  void DrawResult(HDC dc) const;
  void SaveScore();

  float speed = 0;
  float score = 0;
  float accuracy = 0;
  std::string resultText;
  int correctCount = 0;
  int level = 0;
  std::string exeDir;
  bool scoreSaved = true;
};

}  // namespace kelp
