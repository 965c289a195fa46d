#include "platform/gbk.h"
#include "tests/frame_test.h"

namespace kelp::test {
namespace {

using StartUp = FrameTest;

std::string MenuLabel(HMENU menu, UINT position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return Narrow(text);
}

TEST_F(StartUp, WindowGeometryAndStartValues) {
  MainFrame& f = Open();
  RECT client;
  GetClientRect(f.hwnd(), &client);
  EXPECT_EQ(client.right, 700);
  EXPECT_EQ(client.bottom, 450);
  RECT window;
  GetWindowRect(f.hwnd(), &window);
  const int cyBorder = GetSystemMetrics(SM_CYBORDER);
  EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - 700) / 2);
  EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - 500) / 2);
  EXPECT_EQ(window.right - window.left, 4 * cyBorder + 706);
  EXPECT_EQ(window.bottom - window.top,
            GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) + 4 * cyBorder + 456);
  EXPECT_EQ(GetWindowLongW(f.hwnd(), GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_TRUE(GetWindowLongW(f.hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  EXPECT_EQ(f.page(), Page::Home);
  EXPECT_EQ(f.slide().state(), StripState::Shown);
  EXPECT_EQ(f.exercise().phase(), Phase::Idle);
  EXPECT_EQ(f.slide().step(), 0);
  EXPECT_EQ(f.digitThreeCount(), 0);
  for (int offset : f.toolButtons().offsets()) EXPECT_EQ(offset, 0);
  EXPECT_EQ(f.exeDir(), folder.path());
  EXPECT_EQ(f.metrics().cyCaption, GetSystemMetrics(SM_CYCAPTION));
  EXPECT_TRUE(f.metrics().captionFont);
  for (int i = 0; i < kToolButtonCount; ++i) EXPECT_NE(f.toolIcons()[i], nullptr);
  EXPECT_NE(reinterpret_cast<HICON>(SendMessageW(f.hwnd(), WM_GETICON, ICON_BIG, 0)), nullptr);
}

TEST_F(StartUp, MenuBarCarriesTheFourPopUpsWithExactLabels) {
  MainFrame& f = Open();
  const HMENU bar = GetMenu(f.hwnd());
  ASSERT_EQ(bar, f.menu());
  ASSERT_EQ(GetMenuItemCount(bar), 4);
  EXPECT_EQ(MenuLabel(bar, 0), "开始(&S)");
  EXPECT_EQ(MenuLabel(bar, 3), "帮助(&H)");
  const HMENU start = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(start), 11);
  EXPECT_EQ(MenuLabel(start, 0), "初级练习(&B)\tF2");
  EXPECT_EQ(GetMenuItemID(start, 5), 0u);  // separator
  EXPECT_EQ(GetMenuItemID(start, 10), 57665u);
  EXPECT_EQ(MenuLabel(start, 10), "退出(&X)\tCtrl+X");
  const HMENU skins = GetSubMenu(bar, 2);
  EXPECT_EQ(MenuLabel(skins, 1), "浪漫卡通界面(Blue℃)");
  EXPECT_EQ(GetMenuItemID(skins, 3), 40017u);
  const HMENU help = GetSubMenu(bar, 3);
  EXPECT_EQ(MenuLabel(help, 3), "关于Kelp3(最终版)   F1");
  EXPECT_EQ(GetMenuItemID(help, 3), 57664u);
}

TEST_F(StartUp, BackgroundPictureFillsTheClientArea) {
  MainFrame& f = Open();
  ASSERT_TRUE(f.background());
  const SIZE size = BitmapSize(f.background());
  EXPECT_EQ(size.cx, 700);
  EXPECT_EQ(size.cy, 450);
  MemoryDC memory(nullptr);
  ScopedSelect select(memory.get(), f.background());
  for (POINT p : {POINT{5, 440}, POINT{350, 300}, POINT{695, 100}})
    EXPECT_EQ(PixelAt(f, p.x, p.y), GetPixel(memory.get(), p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(StartUp, MissingBackgroundPaintsAPlainFill) {
  folder.Remove("bgmain0.kpd");
  MainFrame& f = Open();
  EXPECT_FALSE(f.background());
  const COLORREF fill = PixelAt(f, 350, 300);
  EXPECT_EQ(PixelAt(f, 600, 420), fill);
  EXPECT_EQ(PixelAt(f, 10, 200), fill);
}

TEST_F(StartUp, FrameDrawsSeparatorAndStripAtRest) {
  MainFrame& f = Open();
  EXPECT_EQ(PixelAt(f, 100, 55), RGB(208, 208, 208));
  EXPECT_EQ(PixelAt(f, 100, 56), RGB(144, 144, 144));
  EXPECT_EQ(PixelAt(f, 679, 55), RGB(144, 144, 144));
  EXPECT_NE(PixelAt(f, 100, 57), RGB(144, 144, 144));
}

TEST(ExecutableFolder, IsTheRunningProgramsOwnWhateverTheWorkingFolder) {
  wchar_t before[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, before);
  SetCurrentDirectoryW(L"C:\\");
  const std::string folder = ExecutableDirectory();
  SetCurrentDirectoryW(before);
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_TRUE(GetFileAttributesW(Widen(folder + "kelp_gui_tests.exe").c_str()) !=
              INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(GetFileAttributesW(Widen(folder + "Level1.kpd").c_str()) != INVALID_FILE_ATTRIBUTES);
}

TEST_F(StartUp, ExitCommandClosesTheWindow) {
  MainFrame& f = Open();
  Command(57665);
  Pump(f);
  EXPECT_FALSE(IsWindow(f.hwnd()));
}

}  // namespace
}  // namespace kelp::test
