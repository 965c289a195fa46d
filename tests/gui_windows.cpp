// What a learner's own Windows does that Wine does not do by itself: an input
// method on, frames of other thicknesses, caption repaints on theme messages,
// scaled displays.
#include "app/page_frame_view.h"
#include "platform/frame_window.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

#include <imm.h>
#include <mmsystem.h>

namespace kelp::test {
namespace {

class OnWindows : public FrameTest {
 protected:
  void TearDown() override {
    TheSeams().systemMetric = nullptr, TheSeams().soundOutput = nullptr;
    FrameTest::TearDown();
  }
};

COLORREF WindowPixel(HWND window, int x, int y) {
  return GetPixel(WindowDC(window, WindowDC::kWholeWindow).get(), x, y);
}

void ExpectClient700x450(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, kClientWidth);
  EXPECT_EQ(client.bottom, kClientHeight);
}

TEST_F(OnWindows, NoInputMethodForeignCharactersChangeNothingAndMissingSoundsStaySilent) {
  std::vector<unsigned> played;  // the flags of each sound, ~0 for a stop
  TheSeams().soundOutput = [&](const void* wave, unsigned flags) {
    played.push_back(wave ? flags : ~0u);
  };
  folder.Remove("ERR.WAV");
  MainFrame& f = StartLevel(ID_LEVEL2, "Level2.kpd", "abc");
  EXPECT_EQ(ImmGetContext(f.hwnd()), nullptr);
  for (unsigned code : {0x4E2Du, 0xFF41u, 0x3002u, 0x80u, 0xA1u, 0xFFu, 0xD6D0u, 0x7Fu}) {
    PostMessageW(f.hwnd(), WM_CHAR, code, 1);
    PostMessageW(f.hwnd(), WM_IME_CHAR, code, 1);
  }
  Pump(f);
  EXPECT_EQ(f.exercise().cursor(), -1);
  EXPECT_TRUE(played.empty());
  // A right key sounds from memory, never the system's default; a wrong one has no file.
  SendMessageW(f.hwnd(), WM_CHAR, 'a', 1);
  SendMessageW(f.hwnd(), WM_CHAR, 'x', 1);
  EXPECT_EQ(f.exercise().cursor(), 1);
  frame.reset();  // closing stops what still plays before its bytes go
  EXPECT_EQ(played, (std::vector<unsigned>{SND_ASYNC | SND_MEMORY | SND_NODEFAULT, ~0u}));
  EXPECT_FALSE(folder.Read("Lev1Data.kpd"));
}

// A thicker border makes the size formula too large, a small screen pushes the window
// off it: the frame corrects both. Theme and setting messages bring the caption back,
// and a click on the power glyph where it is drawn ends the program.
TEST_F(OnWindows, FrameKeepsItsClientCaptionAndGlyphWhateverTheMetrics) {
  const std::pair<const char*, std::function<int(int)>> cases[] = {
      {"border 3", [](int i) { return i == SM_CYBORDER ? 3 : GetSystemMetrics(i); }},
      {"640 x 400 screen", [](int i) {
         return i == SM_CXSCREEN ? 640 : i == SM_CYSCREEN ? 400 : GetSystemMetrics(i);
       }}};
  const Bitmap glyph = LoadBitmapResource(IDB_POWER), caption = LoadCaptionBitmap(0);
  for (const auto& [name, metric] : cases) {
    SCOPED_TRACE(name);
    TheSeams().systemMetric = metric;
    MainFrame& f = Open();
    ExpectClient700x450(f.hwnd());
    RECT window{};
    GetWindowRect(f.hwnd(), &window);
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(f.hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_TRUE(window.top >= monitor.rcWork.top && window.left >= monitor.rcWork.left);
    const FrameLayout layout = ReadFrameLayout(f.hwnd(), GetSystemMetrics(SM_CYMENU));
    for (UINT message : {0x00AEu, 0x00AFu, unsigned{WM_THEMECHANGED}, unsigned{WM_SETTINGCHANGE},
                         unsigned{WM_DWMCOMPOSITIONCHANGED}}) {
      FillSolid(WindowDC(f.hwnd(), WindowDC::kWholeWindow).get(), 0, 0, layout.windowWidth,
                layout.menuBar.top, RGB(255, 0, 255));
      SendMessageW(f.hwnd(), message, 0, 0);  // WM_SETTINGCHANGE cannot be posted
      EXPECT_EQ(WindowPixel(f.hwnd(), layout.caption.left + 40, layout.caption.top + 5),
                BitmapPixel(caption.get(), 40, 5))
          << std::hex << message;
    }
    const Rect box = PowerGlyphBox(layout);
    for (int i = 0; i < 256; ++i)
      ASSERT_EQ(WindowPixel(f.hwnd(), box.left + i % 16, box.top + i / 16),
                BitmapPixel(glyph.get(), i % 16, i / 16));
    for (int x : {box.left - 3, box.left + 8}) {  // beside the glyph, then on it
      PostMessageW(f.hwnd(), WM_NCLBUTTONDOWN, HTMENU,
                   MAKELPARAM(window.left + x, window.top + box.top + 8));
      PumpFor(f, 30);
      EXPECT_EQ(IsWindow(f.hwnd()) != FALSE, x < box.left) << x;
    }
    frame.reset();
  }
}

// Run again in prefixes at 120 and 144 dpi, where the system icon size is 40 and 48.
TEST(Scaling, ToolIconsStay32x32ClearOfTheirLabelsAndTheClientStays700x450) {
  DataFolder folder;
  folder.Remove(kSkins[0].backgroundFile);  // a plain page, where the strip's ink shows
  const std::unique_ptr<MainFrame> f = OpenFrame();
  ExpectClient700x450(f->hwnd());
  // Left of the second button and above the labels there is only the first icon.
  RECT ink{}, both{};
  for (int y = 0; y < kStripRestY + 35; ++y)
    for (int x = 0; x < kStripX + kToolButtonPitch; ++x)
      if (const RECT dot{x, y, x + 1, y + 1}; PixelAt(*f, x, y) != kSkins[0].plainFill)
        UnionRect(&ink, &ink, &dot);
  const RECT icon{kStripX, kStripRestY, kStripX + kToolIconSize, kStripRestY + kToolIconSize};
  UnionRect(&both, &ink, &icon);
  EXPECT_TRUE(!IsRectEmpty(&ink) && EqualRect(&both, &icon))
      << ink.left << "," << ink.top << " " << ink.right << "," << ink.bottom;
  // The tip keeps clear of the menu titles, which grow with the display.
  RECT lastTitle{}, window{};
  GetWindowRect(f->hwnd(), &window);
  GetMenuItemRect(f->hwnd(), GetMenu(f->hwnd()), GetMenuItemCount(GetMenu(f->hwnd())) - 1,
                  &lastTitle);
  EXPECT_GT(TipRect(ReadFrameLayout(f->hwnd(), GetSystemMetrics(SM_CYMENU))).left,
            lastTitle.right - window.left);
}

}  // namespace
}  // namespace kelp::test
