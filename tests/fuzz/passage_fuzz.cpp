// A practice text of any bytes and any keys: the exercise never stores past its
// last cell, and its result is always a readable score between 0 and 100.
#include "practice/exercise.h"
#include "practice/exercise_result.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  if (size < 2) return 0;
  kelp::Exercise exercise;
  exercise.RequestStart(data[0] % kelp::kLevelCount);
  const size_t split = 1 + data[1] % (size - 1);
  const std::string_view passage(reinterpret_cast<const char*>(data) + 1, split);
  if (!exercise.Begin(passage, 1000)) return 0;
  for (size_t i = 1 + split; i < size && exercise.active(); ++i) {
    const char key = static_cast<char>(data[i]);
    if (key == 8)
      exercise.Backspace();
    else if (exercise.Type(key, 1000 + static_cast<long>(i)).finished)
      exercise.ShowResult();
    if (exercise.cursor() < -1 || exercise.cursor() >= exercise.length()) std::abort();
  }
  if (exercise.phase() != kelp::Phase::Result) return 0;
  kelp::ExerciseResult result;
  result.Evaluate(exercise.passage(), exercise.typed(), exercise.level(), exercise.elapsedSeconds());
  if (!(result.score >= 0 && result.score <= 100) || result.resultText.empty()) std::abort();
  return 0;
}
