#include "tests/frame_test.h"
#include "tests/pixels.h"
#include "app/tool_buttons.h"
#include "resource_ids.h"

namespace kelp::test {
namespace {

using StartUp = FrameTest;

TEST_F(StartUp, WindowGeometryAndStartValues) {
  MainFrame& f = Open();
  RECT client;
  GetClientRect(f.hwnd(), &client);
  EXPECT_EQ(client.right, 700);
  EXPECT_EQ(client.bottom, 450);
  EXPECT_EQ(f.page(), Page::Home);
  EXPECT_EQ(f.exeDir(), folder.path());
  for (int i = 0; i < kToolButtonCount; ++i) EXPECT_NE(f.toolIcons()[i], nullptr);
  EXPECT_NE(reinterpret_cast<HICON>(SendMessageW(f.hwnd(), WM_GETICON, ICON_BIG, 0)), nullptr);
}

TEST_F(StartUp, BackgroundPictureFillsTheClientAreaOrAPlainFillWithout) {
  MainFrame& f = Open();
  ASSERT_TRUE(f.background());
  for (POINT p : {POINT{5, 440}, POINT{350, 300}, POINT{695, 100}})
    EXPECT_EQ(PixelAt(f, p.x, p.y), BitmapPixel(f.background(), p.x, p.y)) << p.x << "," << p.y;
  frame.reset();
  folder.Remove("bgmain0.kpd");
  MainFrame& g = Open();
  EXPECT_FALSE(g.background());
  EXPECT_EQ(PixelAt(g, 600, 420), PixelAt(g, 350, 300));
  EXPECT_EQ(PixelAt(g, 10, 200), PixelAt(g, 350, 300));
}

// Started from inside its zip or copied alone: one message naming the folder,
// then the program goes on, silent and without a crash.
TEST_F(StartUp, WithoutItsFilesTheProgramSaysSoOnceAndGoesOnSilently) {
  for (const char* name : kDataFiles) folder.Remove(name);
  int sounds = 0;
  TheSeams().soundOutput = [&](const void* wave, unsigned) { sounds += wave != nullptr; };
  MessageBoxWatcher boxes;
  MainFrame& f = Open();
  Pump(f);
  ASSERT_EQ(boxes.seen().size(), 1u);
  EXPECT_NE(boxes.seen()[0].text.find(folder.path()), std::string::npos);
  for (int button = 0; button < kToolButtonCount; ++button) {
    const Rect r = ToolButtonRect(button);
    SendMessageW(f.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 5, r.top + 5));
  }
  SendCommand(f, ID_LEVEL2);
  FinishSlide(f);
  for (char c : std::string("abc")) SendMessageW(f.hwnd(), WM_CHAR, c, 1);
  Pump(f);
  EXPECT_EQ(sounds, 0);
  EXPECT_EQ(boxes.seen().size(), 2u);  // the level's missing text
  EXPECT_TRUE(IsWindow(f.hwnd()));
  TheSeams().soundOutput = nullptr;
}

}  // namespace
}  // namespace kelp::test
