// What a learner's own Windows does that Wine does not do by itself: an input
// method on, frames of other thicknesses, caption repaints on theme messages,
// scaled displays.
#include "app/page_frame_view.h"
#include "platform/frame_window.h"
#include "tests/frame_test.h"

#include <imm.h>
#include <mmsystem.h>

namespace kelp::test {
namespace {

using OnWindows = FrameTest;
using Scaling = FrameTest;

bool Client700x450(HWND window) {
  RECT client{};
  return GetClientRect(window, &client) && client.right == kClientWidth &&
         client.bottom == kClientHeight;
}

// The tip row of the menu bar, in window coordinates.
std::vector<std::uint32_t> TipRow(HWND window) {
  const FrameLayout layout = ReadFrameLayout(window, GetSystemMetrics(SM_CYMENU));
  const Rect tip = TipRect(layout);
  const WindowDC dc(window, WindowDC::kWholeWindow);
  std::vector<std::uint32_t> pixels;
  for (int y = tip.top; y < tip.bottom; ++y)
    for (int x = tip.left; x < tip.right; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
  return pixels;
}

// No input method and no composition for the main window; a character it cannot take asks,
// in the tip row, for English input until the next tip, and the exercise goes on.
TEST_F(OnWindows, NoInputMethodForeignCharactersChangeNothingAndMissingSoundsStaySilent) {
  std::vector<unsigned> played;  // the flags of each sound, ~0 for a stop
  TheSeams().soundOutput = [&](const void* wave, unsigned flags) {
    played.push_back(wave ? flags : ~0u);
  };
  folder.Remove("ERR.WAV");
  MainFrame& f = StartLevel(ID_LEVEL2, "Level2.kpd", "abc");
  EXPECT_EQ(ImmGetContext(f.hwnd()), nullptr);
  for (UINT ime : {WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION})
    EXPECT_EQ(SendMessageW(f.hwnd(), ime, 0, GCS_RESULTSTR), 0) << ime;
  SendMessageW(f.hwnd(), WM_SETFOCUS, 0, 0);
  EXPECT_EQ(ImmGetContext(f.hwnd()), nullptr);
  const std::vector<std::uint32_t> tip = TipRow(f.hwnd());
  for (unsigned code : {0x4E2Du, 0xFF41u, 0x3002u, 0x80u, 0xA1u, 0xFFu, 0xD6D0u, 0x7Fu}) {
    PostMessageW(f.hwnd(), WM_CHAR, code, 1);
    PostMessageW(f.hwnd(), WM_IME_CHAR, code, 1);
  }
  Pump(f);
  EXPECT_NE(TipRow(f.hwnd()), tip);
  SendMessageW(f.hwnd(), WM_TIMER, kTipTimer, 0);
  const std::vector<std::uint32_t> nextTip = TipRow(f.hwnd());
  SendMessageW(f.hwnd(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(TipRow(f.hwnd()), nextTip);
  EXPECT_TRUE(played.empty());
  // A right key sounds from memory, never the system's default; a wrong one has no file.
  Type("ax");
  const CellPosition second = CellAt(kLevels[1], 1);  // none of the characters was taken
  EXPECT_GT(Count({second.x, second.typedY, second.x + kCellPitch, second.typedY + 20},
                  Colors().errorText), 3);
  frame.reset();  // closing stops what still plays before its bytes go
  EXPECT_EQ(played, (std::vector<unsigned>{SND_ASYNC | SND_MEMORY | SND_NODEFAULT, ~0u}));
  EXPECT_FALSE(folder.Read("Lev1Data.kpd"));
}

// Headphones plugged in later are found when a level is chosen; a sound file changed
// meanwhile is read again, its old bytes given up only behind a stop, as they may be
// playing.
TEST_F(OnWindows, SoundsFindALaterDeviceAndStopBeforeTheirBytesGo) {
  unsigned devices = 0;
  std::vector<std::string> played;  // "" for a stop
  TheSeams().soundDevices = [&] { return devices; };
  TheSeams().soundOutput = [&](const void* wave, unsigned) {
    played.push_back(wave ? static_cast<const char*>(wave) : "");
  };
  folder.Write("KP.WAV", "old");
  StartLevel(ID_LEVEL2, "Level2.kpd", "aaaa");
  Type("a");
  EXPECT_TRUE(played.empty());
  devices = 1;
  Command(ID_LEVEL2);
  Type("a");
  folder.Write("KP.WAV", "new");
  Command(ID_LEVEL2);
  Type("a");
  EXPECT_EQ(played, (std::vector<std::string>{"old", "", "new"}));
}

// A thicker border makes the size formula too large: the frame corrects it. Theme and
// setting messages bring the caption back, and a click on the power glyph ends the program.
TEST_F(OnWindows, FrameKeepsItsClientCaptionAndPowerGlyphWithAThickerBorder) {
  TheSeams().systemMetric = [](int i) { return i == SM_CYBORDER ? 3 : GetSystemMetrics(i); };
  MainFrame& f = Open();
  EXPECT_TRUE(Client700x450(f.hwnd()));
  const FrameLayout layout = ReadFrameLayout(f.hwnd(), GetSystemMetrics(SM_CYMENU));
  const Rect caption = layout.caption, box = PowerGlyphBox(layout);
  for (UINT message : {0x00AEu, 0x00AFu, unsigned{WM_THEMECHANGED}, unsigned{WM_SETTINGCHANGE},
                       unsigned{WM_DWMCOMPOSITIONCHANGED}}) {
    FillSolid(WindowDC(f.hwnd(), WindowDC::kWholeWindow).get(), 0, 0, layout.windowWidth,
              layout.menuBar.top, RGB(255, 0, 255));
    SendMessageW(f.hwnd(), message, 0, 0);  // WM_SETTINGCHANGE cannot be posted
    EXPECT_EQ(GetPixel(WindowDC(frame->hwnd(), WindowDC::kWholeWindow).get(), caption.left + 40,
                       caption.top + 5),
              BitmapPixel(LoadCaptionBitmap(0).get(), 40, 5))
        << std::hex << message;
  }
  // The picture's frame is one row short of the caption, whatever the frame leaves above
  // the menu bar.
  const int shadowRow = caption.top + GetSystemMetrics(SM_CYCAPTION) - 2;
  const WindowDC whole(f.hwnd(), WindowDC::kWholeWindow);
  EXPECT_EQ(GetPixel(whole.get(), caption.left + 40, shadowRow), RGB(96, 96, 96));
  EXPECT_NE(GetPixel(whole.get(), caption.left + 40, shadowRow + 1), RGB(96, 96, 96));
  RECT window{};
  GetWindowRect(f.hwnd(), &window);
  for (int x : {box.left - 3, box.left + 8}) {  // beside the glyph, then on it
    PostMessageW(f.hwnd(), WM_NCLBUTTONDOWN, HTMENU,
                 MAKELPARAM(window.left + x, window.top + box.top + 8));
    PumpFor(f, 30);
    EXPECT_EQ(IsWindow(f.hwnd()) != FALSE, x < box.left) << x;
  }
}

// A Windows key minimises alone, not in a combination (Win+Space changes the input method)
// nor when the keyboard went elsewhere meanwhile. A new display brings a caption that lies
// off every screen back; other setting changes leave the window where it is.
TEST_F(OnWindows, TheWindowsKeyMinimisesAloneAndANewDisplayBringsTheWindowBack) {
  MainFrame& f = Open();
  const auto keys = [&](std::initializer_list<std::pair<UINT, WPARAM>> steps) {
    for (const auto& [message, key] : steps)
      PostMessageW(f.hwnd(), message, key, message == WM_KEYUP ? 0xC0000001 : 1);
    Pump(f);
    const bool minimised = IsIconic(f.hwnd());
    ShowWindow(f.hwnd(), SW_RESTORE);
    return minimised;
  };
  EXPECT_FALSE(keys(
      {{WM_KEYDOWN, VK_LWIN}, {WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}, {WM_KEYUP, VK_LWIN}}));
  EXPECT_FALSE(keys({{WM_KEYDOWN, VK_RWIN}, {WM_INPUTLANGCHANGE, 0}, {WM_KEYUP, VK_RWIN}}));
  EXPECT_TRUE(keys({{WM_KEYDOWN, VK_LWIN}, {WM_KEYDOWN, VK_LWIN}, {WM_KEYUP, VK_LWIN}}));
  const auto left = [&] {
    RECT window{};
    GetWindowRect(f.hwnd(), &window);
    return window.left;
  };
  SetWindowPos(f.hwnd(), nullptr, -3000, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageW(f.hwnd(), WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
  EXPECT_EQ(left(), -3000);
  SendMessageW(f.hwnd(), WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768));
  EXPECT_GE(left(), 0);
}

// Run again in prefixes at 120 and 144 dpi, where the system icon size is 40 and 48.
TEST_F(Scaling, ToolIconsStay32x32AndTheClientStays700x450) {
  folder.Remove(kSkins[0].backgroundFile);  // a plain page, where the strip's ink shows
  MainFrame& f = Open();
  EXPECT_TRUE(Client700x450(f.hwnd()));
  // Left of the second button and above the labels there is only the first icon.
  const COLORREF plain = kSkins[0].plainFill;
  const RECT icon{kStripX, kStripRestY, kStripX + kToolIconSize, kStripRestY + kToolIconSize};
  EXPECT_EQ(Count({0, 0, kStripX + kToolButtonPitch, kStripRestY + 35}, plain) - Count(icon, plain),
            (kStripX + kToolButtonPitch) * (kStripRestY + 35) - kToolIconSize * kToolIconSize);
  EXPECT_LT(Count(icon, plain), kToolIconSize * kToolIconSize);
}

}  // namespace
}  // namespace kelp::test
