#pragma once

#include <string>

namespace kelp {

// Figures of the latest evaluated exercise.
class ExerciseResult {
 public:
  ExerciseResult();

  float speed = 0;
  float score = 0;
  float accuracy = 0;
  std::string resultText;
  int rightCount = 0;
  int level = 0;
  std::string exeDir;
};

}  // namespace kelp
