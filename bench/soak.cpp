// A long session on the real window: whole exercises on every level, page switches
// and skin switches, with GDI and USER objects and the process memory compared
// between the first and the last tenth of the run.  soak [scale]; scale 1 is
// 100,000 keys, 10,000 page switches and 1,000 skin switches.
#include "app/main_frame.h"
#include "appearance/skin_table.h"
#include "platform/gdi.h"
#include "platform/seams.h"
#include "resource_ids.h"
#include "tests/frame_fixture.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace kelp;
using namespace kelp::test;

namespace {

struct Sample {
  double gdiObjects = 0;
  double userObjects = 0;
  double windows = 0;  // Wine's GetGuiResources counts no USER objects; windows are one kind
  double pagefileKb = 0;
  double workingSetKb = 0;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

int WindowsOfThread() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

Sample Measure() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  return {static_cast<double>(LiveGdiHandles()),
          static_cast<double>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)),
          static_cast<double>(WindowsOfThread()), memory.PagefileUsage / 1024.0,
          memory.WorkingSetSize / 1024.0};
}

Sample Mean(const std::vector<Sample>& samples, size_t first, size_t end) {
  Sample mean;
  for (size_t i = first; i < end; ++i) {
    mean.gdiObjects += samples[i].gdiObjects;
    mean.userObjects += samples[i].userObjects;
    mean.windows += samples[i].windows;
    mean.pagefileKb += samples[i].pagefileKb;
    mean.workingSetKb += samples[i].workingSetKb;
  }
  const double n = static_cast<double>(end - first);
  return {mean.gdiObjects / n, mean.userObjects / n, mean.windows / n, mean.pagefileKb / n,
          mean.workingSetKb / n};
}

Sample Peak(const std::vector<Sample>& samples, size_t first, size_t end) {
  Sample peak;
  for (size_t i = first; i < end; ++i) {
    peak.gdiObjects = std::max(peak.gdiObjects, samples[i].gdiObjects);
    peak.userObjects = std::max(peak.userObjects, samples[i].userObjects);
    peak.windows = std::max(peak.windows, samples[i].windows);
    peak.pagefileKb = std::max(peak.pagefileKb, samples[i].pagefileKb);
    peak.workingSetKb = std::max(peak.workingSetKb, samples[i].workingSetKb);
  }
  return peak;
}

void TypeChar(const MainFrame& frame, char c) {
  SendMessageW(frame.hwnd(), WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PressEscape(MainFrame& frame) {
  PostMessageW(frame.hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
  Pump(frame);
  FinishSlide(frame);
}

// One whole exercise of `level`, every seventh key wrong and one Backspace; the keys it took.
long TypeExercise(MainFrame& frame, const DataFolder& folder, int level) {
  SendCommand(frame, ID_LEVEL1 + level);
  FinishSlide(frame);
  const std::string passage = PassageOf(folder.path(), level);  // every passage is the first
  long keys = 0;
  for (int next = 0; next < std::ssize(passage); ++next) {
    TypeChar(frame, next % 7 == 6 ? '~' : passage[next]);
    ++keys;
    if (next != 10) continue;
    TypeChar(frame, '\b');
    TypeChar(frame, passage[next]);
    keys += 2;
  }
  TypeChar(frame, '\r');
  return keys + 1;
}

const int kPageCommands[] = {ID_SCORE_SHEET, ID_KEYBOARD_LAYOUT, ID_AUTHOR, ID_LEVEL1, ID_LEVEL2,
                             ID_LEVEL3,      ID_LEVEL4,          ID_LEVEL5, ID_HOME};

void SwitchPage(MainFrame& frame, long n) {
  const int command = kPageCommands[n % std::size(kPageCommands)];
  if (command == ID_HOME) {
    PressEscape(frame);
    return;
  }
  SendCommand(frame, command);
  FinishSlide(frame);
}

}  // namespace

int main(int argc, char** argv) {
  const double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
  const long keyTarget = static_cast<long>(100000 * scale);
  const long pageTarget = static_cast<long>(10000 * scale);
  const long skinTarget = static_cast<long>(1000 * scale);
  DataFolder folder;
  TheSeams().nextRandom = [] { return 0; };
  const DWORD start = GetTickCount();
  std::vector<Sample> samples;
  long keys = 0, pages = 0, skins = 0;
  {
    std::unique_ptr<MainFrame> frame = OpenFrame();
    samples.push_back(Measure());
    for (int round = 0; keys < keyTarget || pages < pageTarget || skins < skinTarget; ++round) {
      if (keys < keyTarget) keys += TypeExercise(*frame, folder, round % kLevelCount);
      // Pages and skins keep pace with the keys.
      while (pages < pageTarget && (pages * keyTarget < keys * pageTarget || keys >= keyTarget))
        SwitchPage(*frame, pages++);
      while (skins < skinTarget && (skins * keyTarget < keys * skinTarget || keys >= keyTarget))
        SendCommand(*frame, kSkins[skins++ % kSkinCount].command);
      Pump(*frame);
      samples.push_back(Measure());
    }
  }
  const Sample closed = Measure();
  const size_t tenth = samples.size() / 10 > 0 ? samples.size() / 10 : 1;
  const Sample first = Mean(samples, 0, tenth);
  const Sample last = Mean(samples, samples.size() - tenth, samples.size());
  std::printf("soak: %ld keys, %ld page switches, %ld skin switches in %.1f s (%zu samples)\n",
              keys, pages, skins, (GetTickCount() - start) / 1000.0, samples.size());
  std::printf("soak: GDI objects     first 10%% %8.1f  last 10%% %8.1f  after closing %.0f\n",
              first.gdiObjects, last.gdiObjects, closed.gdiObjects);
  std::printf("soak: USER objects    first 10%% %8.1f  last 10%% %8.1f\n", first.userObjects,
              last.userObjects);
  std::printf("soak: windows         first 10%% %8.1f  last 10%% %8.1f\n", first.windows,
              last.windows);
  std::printf("soak: pagefile KB     first 10%% %8.0f  last 10%% %8.0f\n", first.pagefileKb,
              last.pagefileKb);
  std::printf("soak: working set KB  first 10%% %8.0f  last 10%% %8.0f\n", first.workingSetKb,
              last.workingSetKb);
  // Nothing is left once the window has gone, and the last tenth stays within
  // what the first half already reached: pages load their pictures on first use.
  const Sample early = Peak(samples, 0, samples.size() / 2 + 1);
  const bool steady = closed.gdiObjects == 0 && last.gdiObjects <= early.gdiObjects &&
                      last.userObjects <= early.userObjects && last.windows <= early.windows &&
                      last.pagefileKb <= early.pagefileKb * 1.1 + 1024;
  std::printf("soak: %s\n", steady ? "steady" : "GROWING");
  return steady ? 0 : 1;
}
