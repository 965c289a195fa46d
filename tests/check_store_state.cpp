// Judges a folder written by store_loop after a kill: every history and skd.kpd
// must be one whole state of the counted sequence, and no temporary file may hold
// more than one write. check_store_state <folder>; prints one line, exit 1 when
// a file is torn or lost.
#include "appearance/settings_file.h"
#include "scores/score_history.h"
#include "tests/store_steps.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace kelp;

namespace {

constexpr int kHistories = 5;
constexpr std::uintmax_t kLargestWrite = 120;  // a full history; skd.kpd stays below it

std::optional<std::string> Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The last 30 steps at or below `last` that went to history `level`.
std::vector<float> ExpectedHistory(int level, int last) {
  std::vector<float> scores;
  for (int step = 1; step <= last; ++step)
    if (step % kHistories == level) scores.push_back(ScoreOfStep(step));
  const auto capacity = static_cast<std::size_t>(kHistoryCapacity);
  if (scores.size() > capacity) scores.erase(scores.begin(), scores.end() - capacity);
  return scores;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path folder = argv[1];
  std::vector<std::string> faults;
  std::vector<std::vector<float>> histories(kHistories);
  int last = 0;
  for (int level = 0; level < kHistories; ++level) {
    const std::optional<std::string> bytes = Read(folder / ScoreFileName(level));
    if (!bytes) continue;
    if (bytes->size() % kScoreRecordSize != 0 || bytes->size() > kLargestWrite)
      faults.push_back(ScoreFileName(level) + " has " + std::to_string(bytes->size()) + " bytes");
    histories[level] = ParseHistory(*bytes);
    for (float score : histories[level]) last = std::max(last, StepOfScore(score));
  }
  for (int level = 0; level < kHistories; ++level) {
    if (histories[level] != ExpectedHistory(level, last))
      faults.push_back(ScoreFileName(level) + " is not a whole state at step " +
                       std::to_string(last));
  }
  // Step n writes its score before its settings: skd.kpd shows step n or n - 1.
  int settingsStep = 0;
  if (const std::optional<std::string> bytes = Read(folder / "skd.kpd")) {
    const std::string path = DecodeSettings(*bytes, {}).backgroundPath;
    if (path.rfind("C:\\loop\\", 0) == 0) settingsStep = std::atoi(path.c_str() + 8);
    if (settingsStep < 1 || *bytes != EncodeSettings(SettingsOfStep(settingsStep)))
      faults.push_back("skd.kpd is torn (" + std::to_string(bytes->size()) + " bytes)");
  }
  if (settingsStep != last && settingsStep != last - 1)
    faults.push_back("skd.kpd holds step " + std::to_string(settingsStep) + ", scores step " +
                     std::to_string(last));
  int temporaries = 0;
  std::uintmax_t largestTemporary = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".tmp") continue;
    ++temporaries, largestTemporary = std::max(largestTemporary, entry.file_size());
    if (entry.file_size() > kLargestWrite)
      faults.push_back(entry.path().filename().string() + " has grown");
  }
  std::printf("step %d settings %d temporaries %d largest %ju%s\n", last, settingsStep, temporaries,
              largestTemporary, faults.empty() ? "" : " FAULT");
  for (const std::string& fault : faults) std::printf("  %s\n", fault.c_str());
  return faults.empty() ? 0 : 1;
}
