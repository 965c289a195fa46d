#include "practice/exercise_result.h"

#include "platform/seams.h"

namespace kelp {

ExerciseResult::ExerciseResult() : exeDir(ExecutableDirectory()) {}

}  // namespace kelp
