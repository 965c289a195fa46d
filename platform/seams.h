#pragma once

#include <ctime>
#include <functional>
#include <string>

// The few things a test may redirect. Production code never sets them.
namespace kelp {

struct Seams {
  std::function<std::time_t()> now;     // wall clock in seconds
  std::function<int()> nextRandom;      // 0..32767, like rand()
  std::function<void(int)> endProcess;  // ends the program at once
  std::string dataDirectory;            // overrides the executable's folder when set
};

Seams& TheSeams();

std::time_t Now();
int NextRandom();
void EndProcess(int code);
// The folder of the running executable, with its final backslash.
std::string ExecutableDirectory();

}  // namespace kelp
