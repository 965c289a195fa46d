// Prints timing figures of the real window under the current display.
#include "app/main_frame.h"
#include "app/page_state.h"
#include "platform/seams.h"
#include "resource_ids.h"
#include "scores/score_store.h"
#include "tests/frame_fixture.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace kelp;
using namespace kelp::test;

namespace {

double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Ticks() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double TimeIt(const std::function<void()>& work) {
  const LONGLONG start = Ticks();
  work();
  return Milliseconds(Ticks() - start);
}

void PrintSpread(const char* name, std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const auto at = [&](double q) { return samples[static_cast<size_t>(q * (samples.size() - 1))]; };
  std::printf("%-34s median %7.3f ms  p90 %7.3f ms  max %7.3f ms  (n=%zu)\n", name, at(0.5),
              at(0.9), samples.back(), samples.size());
}

void TypeKey(const MainFrame& frame, char key) {
  SendMessageW(frame.hwnd(), WM_CHAR, static_cast<unsigned char>(key), 1);
}

DWORD GdiObjectsOfProcess() {
  return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

// Keystroke to finished repaint over whole exercises of one level, and GDI
// handles after many keys. Every seventh key is wrong.
void TypingFigures(MainFrame& frame, const DataFolder& folder, int level) {
  SendCommand(frame, ID_LEVEL1 + level);
  FinishSlide(frame);
  const std::string passage = PassageOf(folder.path(), level);  // every passage is the first
  const int length = static_cast<int>(passage.size());
  const int exercises = 2000 / length;
  std::vector<double> all, first50, last50;
  for (int exercise = 0; exercise < exercises; ++exercise) {
    for (int k = 0; k < length; ++k) {
      const char key = k % 7 == 0 ? '#' : passage[k];
      const double ms = TimeIt([&] { TypeKey(frame, key); });
      all.push_back(ms);
      if (k < length / 4) first50.push_back(ms);
      if (k >= length - length / 4) last50.push_back(ms);
    }
    TypeKey(frame, '\r');
  }
  // The beginner's keys repaint a typed cell and the key frames on the keyboard picture.
  const std::string name = level == 0 ? "keystroke, beginner (cell+frames)"
                                      : "keystroke to repaint, level " + std::to_string(level);
  PrintSpread(name.c_str(), all);
  const auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  std::printf("%-34s %7.3f\n", "median last / first quarter keys",
              median(last50) / median(first50));

  const DWORD gdiBefore = GdiObjectsOfProcess();
  const int wrappersBefore = LiveGdiHandles();
  int typed = 0;  // the cells typed; the result shows when all are
  for (int k = 0; k < 10000; ++k) {
    const char key = typed == length ? '\r' : k % 11 == 0 ? '\b' : passage[typed];
    TypeKey(frame, key);
    typed = key == '\r' ? 0 : key == '\b' ? std::max(typed - 1, 0) : typed + 1;
  }
  // Wine reports no GDI count (0); the wrappers' own count of live handles then tells.
  std::printf("%-34s system %lu -> %lu, held by wrappers %d -> %d\n",
              "GDI objects over 10,000 keys", gdiBefore, GdiObjectsOfProcess(), wrappersBefore,
              LiveGdiHandles());
}

// The ticks a slide away takes, from the model the window runs.
int SlideAwayTicks() {
  ToolStripSlide slide;
  slide.SlideAway();
  int ticks = 1;
  while (!slide.Tick()) ++ticks;
  return ticks;
}

// Runs the message loop until the slide timer has fired `ticks` times.
void PumpSlideTicks(int ticks) {
  MSG msg;
  while (ticks > 0 && GetMessageW(&msg, nullptr, 0, 0)) {
    ticks -= msg.message == WM_TIMER && msg.wParam == kSlideTimer;
    DispatchMessageW(&msg);
  }
}

}  // namespace

int main() {
  DataFolder folder;  // copying the data files is not part of start-up
  TheSeams().nextRandom = [] { return 0; };
  const LONGLONG entry = Ticks();
  std::vector<std::pair<const char*, LONGLONG>> steps;
  TheSeams().startupStep = [&](const char* step) { steps.emplace_back(step, Ticks()); };
  auto frame = OpenFrame();
  const LONGLONG painted = Ticks();
  TheSeams().startupStep = nullptr;
  for (const auto& [step, at] : steps)
    std::printf("start-up: %-24s %7.3f ms\n", step, Milliseconds(at - entry));
  std::printf("%-34s %7.3f ms\n", "start-up to first complete paint",
              Milliseconds(painted - entry));

  std::vector<double> slideFrames;
  for (int round = 0; round < 20; ++round) {
    SendCommand(*frame, ID_LEVEL2);
    for (int tick = 0; tick < SlideAwayTicks(); ++tick)
      slideFrames.push_back(TimeIt([&] { SendMessageW(frame->hwnd(), WM_TIMER, kSlideTimer, 0); }));
    SendCommand(*frame, ID_HOME);
    FinishSlide(*frame);
  }
  PrintSpread("slide frame repaint", slideFrames);

  std::vector<double> slideAway;
  for (int round = 0; round < 5; ++round) {
    slideAway.push_back(TimeIt([&] {
      SendCommand(*frame, ID_LEVEL3);
      PumpSlideTicks(SlideAwayTicks());
    }));
    SendCommand(*frame, ID_HOME);
    FinishSlide(*frame);
  }
  PrintSpread("whole slide away (ideal 420 ms)", slideAway);

  for (int level : {ID_LEVEL1, ID_LEVEL3}) {
    SendCommand(*frame, level);
    FinishSlide(*frame);
    std::vector<double> readyPaints;
    for (int i = 0; i < 50; ++i)
      readyPaints.push_back(TimeIt([&] {
        RedrawWindow(frame->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      }));
    PrintSpread(level == ID_LEVEL1 ? "ready page paint, level 0" : "ready page paint, level 2",
                readyPaints);
  }

  const struct {
    int command;
    const char* name;
  } kPages[] = {{ID_KEYBOARD_LAYOUT, "keyboard layout page paint"},
                {ID_AUTHOR, "author page paint"},
                {ID_SCORE_SHEET, "score sheet paint, 5 x 30 scores"}};
  for (int level = 0; level < 5; ++level)
    for (int i = 0; i < 30; ++i)
      AppendScores(folder.path(), level, {float((i * 37 + level * 11) % 101)});
  for (const auto& page : kPages) {
    SendCommand(*frame, page.command);
    std::vector<double> paints;
    for (int i = 0; i < 50; ++i)
      paints.push_back(TimeIt([&] {
        RedrawWindow(frame->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      }));
    PrintSpread(page.name, paints);
  }

  TypingFigures(*frame, folder, 0);
  TypingFigures(*frame, folder, 2);
  return 0;
}
