#include "app/tool_buttons.h"
#include "pages/author_page_view.h"
#include "pages/keyboard_layout_view.h"
#include "scores/score_history.h"
#include "scores/score_sheet.h"
#include "tests/frame_test.h"

namespace kelp::test {
namespace {

using Pages = FrameTest;

// No menu item and no accelerator falls through to the default window procedure; Esc goes
// home, Insert and the Windows keys minimise (F2 to F6: the level tests).
TEST_F(Pages, EveryMenuItemAndAcceleratorHasAHandlerAndKeysGoThroughTheRealTable) {
  MainFrame& f = Open();
  std::vector<ACCEL> keys(CopyAcceleratorTableW(f.accelerators(), nullptr, 0));
  CopyAcceleratorTableW(f.accelerators(), keys.data(), static_cast<int>(keys.size()));
  for (const ACCEL& key : keys) EXPECT_NE(GetMenuState(GetMenu(f.hwnd()), key.cmd, 0), ~0u);
  for (WORD id = 1; id < 0xFFFF; ++id)
    EXPECT_TRUE(GetMenuState(GetMenu(f.hwnd()), id, 0) == ~0u || Session::HandlesCommand(id)) << id;
  for (WPARAM key : {VK_F3, VK_ESCAPE, VK_INSERT, VK_LWIN, VK_RWIN}) {
    ShowWindow(f.hwnd(), SW_RESTORE);
    Press(key);
    FinishSlide(f);
    EXPECT_EQ(IsIconic(f.hwnd()), key != VK_F3 && key != VK_ESCAPE) << key;
  }
}

// The author page draws its lines; four "3" in a row there show the dedication, a "3" on
// another page counting for none. The panel is the picture and six opaque lines in the
// system's font, the page showing between and around them, until the next repaint.
TEST_F(Pages, AuthorPageShowsTheDedicationAtTheFourthThreeInARow) {
  MainFrame& f = Open();
  const auto shown = [&](const char* keys) {
    Type(keys);
    return PixelAt(f, kDedicationPictureArea.left + 9, kDedicationPictureArea.top + 9) ==
           BitmapPixel(LoadBitmapResource(IDB_DEDICATION).get(), 9, 9);
  };
  Command(ID_SCORE_SHEET);
  FinishSlide(f);
  Type("3");
  Command(ID_AUTHOR);
  EXPECT_TRUE(Shows({0, kHiddenSeparatorY + 2, kClientWidth, kClientHeight}, "",
                    [&](HDC dc) { DrawAuthorPage(dc, Colors()); }));
  EXPECT_FALSE(shown("333"));
  const std::vector<std::uint32_t> page = ClientPixels(f.hwnd());
  EXPECT_TRUE(shown("3"));
  const std::vector<std::uint32_t> panel = ClientPixels(f.hwnd());
  TEXTMETRICW font{};
  {
    const WindowDC dc(f.hwnd(), WindowDC::kClient);
    ScopedSelect system(dc.get(), GetStockObject(SYSTEM_FONT));
    GetTextMetricsW(dc.get(), &font);
  }
  int strayPixels = 0, lastLineStart = 0;
  for (int y = 0; y < kClientHeight; ++y) {
    for (int x = 0; x < kClientWidth; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * kClientWidth + x;
      const bool inStrip = x >= 170 && y >= 100 && y < 250 && (y - 100) % 25 < font.tmHeight;
      strayPixels += panel[i] != page[i] && !inStrip && !PtInRect(&kDedicationPictureArea, {x, y});
      lastLineStart +=
          x >= 170 && x < 180 && y >= 225 && y < 225 + font.tmHeight && panel[i] == 0xFFFFFF;
    }
  }
  EXPECT_EQ(strayPixels, 0);
  EXPECT_EQ(lastLineStart, 10 * font.tmHeight);  // its leading spaces, opaque
  RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_FALSE(shown(""));  // until the next repaint
}

// The entered button's frame lasts until its next repaint; a release repaints the window
// before its action, so no frame stays behind the settings dialog.
TEST_F(Pages, AnEnteredButtonIsFramedUntilItsNextRepaint) {
  MainFrame& f = Open();
  const Rect b = ToolButtonRect(1), settings = ToolButtonRect(6);
  const COLORREF flat = PixelAt(f, b.left, b.top);
  SendMessageW(f.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(b.left + 20, b.top + 20));
  EXPECT_NE(PixelAt(f, b.left, b.top), flat);
  RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(PixelAt(f, b.left, b.top), flat);
  const COLORREF settingsFlat = PixelAt(f, settings.left, settings.top);
  const LPARAM on = MAKELPARAM(settings.left + 20, settings.top + 20);
  SendMessageW(f.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, on);
  EXPECT_NE(PixelAt(f, settings.left, settings.top), settingsFlat);
  COLORREF underDialog = CLR_INVALID;
  MessageBoxWatcher dialog([&] { underDialog = PixelAt(f, settings.left, settings.top); });
  SendMessageW(f.hwnd(), WM_LBUTTONUP, 0, on);
  EXPECT_EQ(dialog.seen().size(), 1u);
  EXPECT_EQ(underDialog, settingsFlat);
  EXPECT_EQ(PixelAt(f, settings.left, settings.top), settingsFlat);
}

int g_madeFonts = 0;
decltype(&CreateFontW) g_createFont = nullptr;

HFONT WINAPI CountedCreateFont(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s,
                               DWORD c, DWORD p, DWORD cl, DWORD q, DWORD pf, LPCWSTR face) {
  ++g_madeFonts;
  return g_createFont(h, w, e, o, weight, i, u, s, c, p, cl, q, pf, face);
}

// Tips turn on one font of their size, made once.
TEST_F(Pages, TipsTurnWithoutMakingFonts) {
  MainFrame& f = Open();
  SendMessageW(f.hwnd(), WM_TIMER, kTipTimer, 0);
  const ImportPatch patch("gdi32.dll", "CreateFontW", reinterpret_cast<void*>(&CountedCreateFont));
  g_createFont = reinterpret_cast<decltype(&CreateFontW)>(patch.original());
  ASSERT_TRUE(g_createFont);
  g_madeFonts = 0;
  for (int tick = 0; tick < 10; ++tick) SendMessageW(f.hwnd(), WM_TIMER, kTipTimer, 0);
  EXPECT_EQ(g_madeFonts, 0);
}

// A history longer than 30 records, from another writer, runs on right of the axis.
TEST_F(Pages, AHistoryOfMoreThanThirtyRecordsIsChartedWhole) {
  std::string history;
  for (int k = 0; k < 32; ++k) history += AppendedHistory("", k < 30 ? 10.0f : 20.0f * k - 550);
  folder.Write(ScoreFileName(2), history);
  MainFrame& f = Open();
  Command(ID_SCORE_SHEET);
  FinishSlide(f);
  EXPECT_EQ(PixelAt(f, 670, ScoreY(50.0f)), Colors().level[2]);
  EXPECT_EQ(PixelAt(f, 690, ScoreY(70.0f)), Colors().level[2]);
}

// The layout page shows the top-left 700 x 300 of kb0.kpd, or a plain area; it and the
// histories are read again when the window comes back (activated, restored) or their page
// is chosen again.
TEST_F(Pages, LayoutPictureAndHistoriesAreReadAgainWhenThePageComesBack) {
  MainFrame& f = Open();
  for (int n = 0; n < 6; ++n) {
    const int way = n / 2, page = n % 2 ? ID_SCORE_SHEET : ID_KEYBOARD_LAYOUT;
    Command(page);
    FinishSlide(f);
    std::string bmp = BmpFile(800, 400, RGB(200, 40, 40));
    bmp.replace(54 + 399 * 800 * 3, 3, {0, char(100 + n), char(200)});  // the top-left pixel
    way < 2 ? folder.Write("kb0.kpd", bmp) : folder.Remove("kb0.kpd");
    folder.Write(ScoreFileName(1), AppendedHistory("", 20.0f + 10 * n));
    SendMessageW(f.hwnd(), way ? WM_SIZE : WM_ACTIVATE, way ? SIZE_RESTORED : WA_ACTIVE, 0);
    if (way == 2) Command(page);
    UpdateWindow(f.hwnd());
    EXPECT_EQ(n % 2 ? PixelAt(f, kChartStrokeStartX + 2, ScoreY(20.0f + 10 * n))
                    : PixelAt(f, kLayoutPictureArea.left, kLayoutPictureArea.top),
              n % 2     ? Colors().level[1]
              : way < 2 ? RGB(200, 100 + n, 0)
                        : kLayoutPlainFill)
        << n;
  }
}

}  // namespace
}  // namespace kelp::test
