#include "practice/exercise_result.h"

#include "practice/level_table.h"
#include "practice/scoring.h"

namespace kelp {

void ExerciseResult::Evaluate(std::string_view passage, std::string_view typed, int levelIndex,
                              int elapsedSeconds) {
  level = levelIndex;
  correctCount = 0;
  const size_t length = static_cast<size_t>(kLevels[level].exerciseLength);
  for (size_t i = 0; i < length && i < passage.size() && i < typed.size(); ++i)
    correctCount += typed[i] == passage[i];
  const Figures figures = ComputeFigures(level, correctCount, elapsedSeconds);
  speed = figures.speed;
  accuracy = figures.accuracy;
  score = figures.score;
  resultText = FormatResultLine(level, figures);
  scoreSaved = true;
}

}  // namespace kelp
