#include "tests/frame_test.h"
#include "tests/pixels.h"

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

}  // namespace
}  // namespace kelp::test
