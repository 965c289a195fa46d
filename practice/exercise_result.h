#pragma once

#include <string>
#include <string_view>

namespace kelp {

// Figures of the latest evaluated exercise.
class ExerciseResult {
 public:
  void Evaluate(std::string_view passage, std::string_view typed, int levelIndex,
                int elapsedSeconds);

  float speed = 0;
  float score = 0;
  float accuracy = 0;
  std::string resultText;
  int correctCount = 0;
  int level = 0;
  bool scoreSaved = true;  // set by whoever stores the score
};

}  // namespace kelp
