#pragma once

#include "appearance/palette.h"
#include "platform/gdi.h"
#include "practice/exercise.h"
#include "practice/exercise_result.h"

#include <windows.h>

// The practice page of a level: title, passage, typed cells, keyboard hint and result.
namespace kelp {

// `hintPicture` is the keyboard picture of the beginner and keypad levels.
void DrawLevelPage(HDC dc, const Exercise& exercise, const ExerciseResult& result,
                   const Palette& palette, const Picture& hintPicture);

}  // namespace kelp
