// Stores scores and settings with counted values, one after the other, until it is
// killed: store_loop <folder\>. Step n appends the score n / 4096 to history n mod 5 and
// then writes skd.kpd with skin n mod 4, every colour n and the path C:\loop\<n>.
// A restart first completes the highest step found in the folder when a kill came
// between its score and its settings, then goes on after it.
#include "appearance/settings_store.h"
#include "platform/files.h"
#include "scores/score_store.h"
#include "tests/store_steps.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

using namespace kelp;

namespace {

constexpr int kHistories = 5;

int LastStoredStep(const std::string& folder) {
  int last = 0;
  for (int level = 0; level < kHistories; ++level) {
    for (float score : ReadScores(folder, level)) last = std::max(last, StepOfScore(score));
  }
  return last;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: store_loop <folder\\> [steps]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int steps = argc > 2 ? std::atoi(argv[2]) : -1;
  int failures = 0;
  const int last = LastStoredStep(folder);
  const std::string lastSettings = EncodeSettings(SettingsOfStep(last));
  if (last > 0 && ReadWholeFile(folder + "skd.kpd") != lastSettings &&
      !SaveSettings(folder, SettingsOfStep(last)))
    ++failures;
  for (int step = last + 1, done = 0; steps < 0 || done < steps; ++step, ++done) {
    if (!AppendScores(folder, step % kHistories, {ScoreOfStep(step)})) ++failures;
    if (!SaveSettings(folder, SettingsOfStep(step))) ++failures;
  }
  std::printf("store_loop: %d failed writes\n", failures);
  return failures == 0 ? 0 : 1;
}
