#include "practice/exercise_result.h"

#include "platform/gdi.h"
#include "platform/seams.h"
#include "practice/level_table.h"
#include "practice/scoring.h"
#include "scores/score_history.h"

namespace kelp {

namespace {
constexpr int kResultX = 30;
constexpr int kNoteGap = 15;
}  // namespace

ExerciseResult::ExerciseResult() : exeDir(ExecutableDirectory()) {}

void ExerciseResult::Evaluate(const char* passage, const char* typed, int levelIndex,
                              int elapsedSeconds) {
  level = levelIndex;
  correctCount = 0;
  for (int i = 0; i < kLevels[level].exerciseLength; ++i) correctCount += typed[i] == passage[i];
  const Figures figures = ComputeFigures(level, correctCount, elapsedSeconds);
  speed = figures.speed;
  accuracy = figures.accuracy;
  score = figures.score;
  resultText = FormatResultLine(level, figures);
  SaveScore();
}

void ExerciseResult::DrawResult(HDC dc) const {
  const int y = kLevels[level].resultY;
  DrawTextAt(dc, kResultX, y, resultText);
  if (!scoreSaved) DrawTextAt(dc, kResultX, y + kNoteGap, "注意：本次成绩未能保存。");
}

void ExerciseResult::SaveScore() {
  scoreSaved = AppendScore(exeDir, level, score);
}

}  // namespace kelp
