#pragma once

#include <functional>
#include <string>
#include <string_view>

// The few things a test may redirect. Production code never sets them.
namespace kelp {

struct Seams {
  std::function<long long()> clock;     // whole seconds that never go back
  std::function<int()> nextRandom;      // 0..32767, like rand()
  std::string dataDirectory;            // overrides the executable's folder when set
  std::function<void(const void*, unsigned)> soundOutput;  // stands in for sndPlaySound
  std::function<unsigned()> soundDevices;                  // stands in for waveOutGetNumDevs
  std::string localAppData;              // stands in for the local application data folder when set
  std::function<int(int)> systemMetric;  // stands in for GetSystemMetrics
  std::function<void(const char*)> startupStep;  // told as each start-up step ends
};

Seams& TheSeams();

// The exercise's stopwatch: whole seconds since the system started, so that
// setting the date or time changes no measured time.
long long ClockSeconds();
int NextRandom();
int SystemMetric(int index);
void StartupStepDone(const char* step);
// The folder of the running executable in GBK, absolute and ending in a backslash;
// its short (8.3) form when the long one has no GBK form. Empty when the folder
// cannot be determined or expressed in GBK: the caller must then neither read nor
// write any data file. The test seam `dataDirectory` is returned as it is.
std::string ExecutableDirectory();
// The running program's own path, however long: the buffer grows from
// `firstBufferSize` characters until the path fits. Empty when it cannot be had.
std::wstring ExecutablePath(size_t firstBufferSize = 260);
// The folder part of a UTF-16 file path, up to and including its last backslash,
// converted to GBK as above; empty when there is no backslash or no GBK form.
std::string GbkFolderOf(std::wstring_view path);

}  // namespace kelp
