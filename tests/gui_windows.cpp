// What a learner's own Windows does that Wine does not do by itself: an input
// method on, frames of other thicknesses, caption repaints on theme messages,
// scaled displays.
#include "app/caption_view.h"
#include "platform/seams.h"
#include "resource_ids.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

#include <windows.h>
#include <imm.h>
#include <mmsystem.h>

namespace kelp::test {
namespace {

class OnWindows : public FrameTest {
 protected:
  void TearDown() override {
    TheSeams().systemMetric = nullptr;
    TheSeams().soundOutput = nullptr;
    FrameTest::TearDown();
  }
};

RECT WindowBox(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return box;
}

// Where the 16 x 16 power glyph really is in the window, found by its pixels.
std::optional<POINT> FindPowerGlyph(HWND window) {
  const RECT box = WindowBox(window);
  const int w = box.right - box.left, h = box.bottom - box.top;
  const Bitmap glyph(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_POWER)));
  COLORREF want[256];
  for (int i = 0; i < 256; ++i) want[i] = BitmapPixel(glyph.get(), i % 16, i / 16);
  Canvas shot(w, h, 0);
  {
    WindowDC dc(window, WindowDC::kWholeWindow);
    BitBlt(shot.dc(), 0, 0, w, h, dc.get(), 0, 0, SRCCOPY);
  }
  for (int y = 0; y + 16 <= h / 4; ++y)
    for (int x = w / 2; x + 16 <= w; ++x) {
      bool same = true;
      for (int i = 0; i < 256 && same; ++i)
        same = shot.At(x + i % 16, y + i / 16) == want[i];
      if (same) return POINT{box.left + x, box.top + y};
    }
  return std::nullopt;
}

TEST_F(OnWindows, NoInputMethodForeignCharactersChangeNothingAndMissingSoundsStaySilent) {
  std::vector<std::pair<bool, unsigned>> played;  // (with bytes, flags)
  TheSeams().soundOutput = [&](const void* wave, unsigned flags) {
    played.emplace_back(wave != nullptr, flags);
  };
  folder.Remove("ERR.WAV");
  MainFrame& f = StartLevel(ID_LEVEL2, "Level2.kpd", "abc");
  EXPECT_EQ(ImmGetContext(f.hwnd()), nullptr);
  const std::string before(f.exercise().typed());
  for (unsigned code : {0x4E2Du, 0xFF41u, 0x3002u, 0x80u, 0xA1u, 0xFFu, 0xD6D0u, 0x7Fu}) {
    PostMessageW(f.hwnd(), WM_CHAR, code, 1);
    PostMessageW(f.hwnd(), WM_IME_CHAR, code, 1);
  }
  Pump(f);
  EXPECT_EQ(f.exercise().typed(), before);
  EXPECT_EQ(f.exercise().cursor(), -1);
  EXPECT_TRUE(played.empty());
  // A right key sounds from memory, never the system's default; a wrong one has no file.
  SendMessageW(f.hwnd(), WM_CHAR, 'a', 1);
  SendMessageW(f.hwnd(), WM_CHAR, 'x', 1);
  EXPECT_EQ(f.exercise().cursor(), 1);
  ASSERT_EQ(played.size(), 1u);
  EXPECT_TRUE(played[0].first);
  EXPECT_EQ(played[0].second, unsigned{SND_ASYNC | SND_MEMORY | SND_NODEFAULT});
  // Closing stops what still plays before its bytes go.
  frame.reset();
  ASSERT_EQ(played.size(), 2u);
  EXPECT_FALSE(played[1].first);
  EXPECT_FALSE(folder.Read("Lev1Data.kpd"));
}

// A thicker border metric makes the size formula too large; the frame corrects it.
TEST_F(OnWindows, ClientIs700x450AndTheGlyphIsClickedWhereItIsDrawnWhateverTheFrame) {
  for (int border : {1, 3}) {
    TheSeams().systemMetric = [border](int index) {
      return index == SM_CYBORDER ? border : GetSystemMetrics(index);
    };
    MainFrame& f = Open();
    RECT client{};
    GetClientRect(f.hwnd(), &client);
    EXPECT_EQ(client.right, kClientWidth) << border;
    EXPECT_EQ(client.bottom, kClientHeight) << border;
    SendMessageW(f.hwnd(), WM_NCPAINT, 1, 0);
    const std::optional<POINT> glyph = FindPowerGlyph(f.hwnd());
    ASSERT_TRUE(glyph) << border;
    const auto click = [&](int dx) {
      PostMessageW(f.hwnd(), WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(glyph->x + dx, glyph->y + 8));
      PumpFor(f, 30);
      return IsWindow(f.hwnd());
    };
    EXPECT_TRUE(click(-3)) << border;
    EXPECT_FALSE(click(8)) << border;
    frame.reset();
  }
}

TEST_F(OnWindows, CaptionIsPaintedAgainOnThemeAndSettingMessagesAndStaysOnSmallScreens) {
  TheSeams().systemMetric = [](int index) {
    if (index == SM_CXSCREEN) return 640;
    if (index == SM_CYSCREEN) return 400;
    return GetSystemMetrics(index);
  };
  MainFrame& f = Open();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(f.hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT box = WindowBox(f.hwnd());
  EXPECT_GE(box.top, monitor.rcWork.top);
  EXPECT_GE(box.left, monitor.rcWork.left);

  const FrameLayout layout = ReadFrameLayout(f.hwnd(), f.metrics().cyMenu);
  const Bitmap picture = LoadCaptionBitmap(0);
  const POINT probe{layout.caption.left + 40, layout.caption.top + 5};
  const COLORREF expected = BitmapPixel(picture.get(), 40, 5);
  for (UINT message : {0x00AEu, 0x00AFu, unsigned{WM_THEMECHANGED}, unsigned{WM_SETTINGCHANGE},
                       unsigned{WM_DWMCOMPOSITIONCHANGED}}) {
    {
      WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
      FillSolid(dc.get(), 0, 0, layout.windowWidth, layout.menuBar.top, RGB(255, 0, 255));
    }
    SendMessageW(f.hwnd(), message, 0, 0);  // WM_SETTINGCHANGE cannot be posted
    WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
    EXPECT_EQ(GetPixel(dc.get(), probe.x, probe.y), expected) << std::hex << message;
  }
  RECT client{};
  GetClientRect(f.hwnd(), &client);
  EXPECT_EQ(client.right, kClientWidth);
  EXPECT_EQ(client.bottom, kClientHeight);
}

// Run again in prefixes at 120 and 144 dpi, where the system icon size is 40 and 48.
TEST(Scaling, ToolIconsStay32x32ClearOfTheirLabelsAndTheClientStays700x450) {
  DataFolder folder;
  const std::unique_ptr<MainFrame> f = OpenFrame();
  RECT client{};
  GetClientRect(f->hwnd(), &client);
  EXPECT_EQ(client.right, kClientWidth);
  EXPECT_EQ(client.bottom, kClientHeight);
  const COLORREF fill = RGB(1, 2, 3);
  Canvas canvas(80, 60, fill);
  const int offsets[kToolButtonCount] = {};
  DrawToolStrip(canvas.dc(), 4, 4, {f->toolIcons(), offsets});
  // Icon 0 at (4, 4); its label starts 35 below; button 1 is 70 to the right.
  RECT ink{100, 100, -1, -1};
  for (int y = 0; y < 4 + 35; ++y)
    for (int x = 0; x < 74; ++x)
      if (canvas.At(x, y) != fill)
        ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
               std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
  EXPECT_GE(ink.left, 4);
  EXPECT_GE(ink.top, 4);
  EXPECT_LE(ink.right, 4 + kToolIconSize);
  EXPECT_LE(ink.bottom, 4 + kToolIconSize);
  // The tip keeps clear of the menu titles, which grow with the display.
  RECT lastTitle{}, window = WindowBox(f->hwnd());
  GetMenuItemRect(f->hwnd(), GetMenu(f->hwnd()), GetMenuItemCount(GetMenu(f->hwnd())) - 1,
                  &lastTitle);
  EXPECT_GT(TipRect(ReadFrameLayout(f->hwnd(), f->metrics().cyMenu)).left,
            lastTitle.right - window.left);
  HDC screen = GetDC(nullptr);
  std::printf("scaling: %d dpi, system icon %d\n", GetDeviceCaps(screen, LOGPIXELSY),
              GetSystemMetrics(SM_CXICON));
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace kelp::test
