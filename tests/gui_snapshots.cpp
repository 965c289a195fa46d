#include "platform/gbk.h"
#include "platform/seams.h"
#include "resource_ids.h"
#include "tests/frame_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

// Writes the client area of every page state to KELP_SNAPSHOT_DIR (when set), so
// two builds can be compared pixel for pixel.
namespace kelp::test {
namespace {

void SaveClient(HWND window, const std::string& path) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 700, -450, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC screen = GetDC(window);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, 700, 450, screen, 0, 0, SRCCOPY);
  GdiFlush();
  std::ofstream(path, std::ios::binary).write(static_cast<const char*>(bits), 700 * 450 * 4);
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(window, screen);
}

TEST(Snapshots, EveryPageState) {
  const char* dir = std::getenv("KELP_SNAPSHOT_DIR");
  if (!dir) GTEST_SKIP() << "KELP_SNAPSHOT_DIR not set";
  DataFolder folder;
  TheSeams().nextRandom = [] { return 7; };
  TheSeams().now = [] { return std::time_t(1000000); };
  auto frame = OpenFrame();
  const HWND window = frame->hwnd();
  auto save = [&](const std::string& name) { SaveClient(window, std::string(dir) + "/" + name); };
  auto ticks = [&](int n) {
    for (int i = 0; i < n; ++i) SendMessageW(window, WM_TIMER, 2, 0);
  };
  auto type = [&](const std::string& keys) {
    for (char c : keys) SendMessageW(window, WM_CHAR, static_cast<unsigned char>(c), 1);
  };
  save("home");
  const int levels[] = {ID_LEVEL1, ID_LEVEL2, ID_LEVEL3, ID_LEVEL4, ID_LEVEL5};
  for (int i = 0; i < 5; ++i) {
    const std::string n = std::to_string(i);
    SendCommand(*frame, levels[i]);
    if (i == 0) {
      ticks(5);
      save("slide-away-5");
    }
    ticks(20);
    save("ready" + n);
    type("a 3x- .19");
    save("typing" + n);
    type("\b\b");
    save("backspace" + n);
    type(std::string(250, 'a'));
    save("result" + n);
    type("\r");
    save("next" + n);
  }
  SendCommand(*frame, ID_HOME);
  ticks(6);
  save("slide-back-6");
  ticks(20);
  save("home-again");
  frame.reset();
  TheSeams().nextRandom = nullptr;
  TheSeams().now = nullptr;
}

}  // namespace
}  // namespace kelp::test
