#pragma once

#include "appearance/settings_file.h"
#include "platform/seams.h"
#include "tests/frame_fixture.h"
#include "tests/pixels.h"

#include <gtest/gtest.h>

namespace kelp::test {

// Each test gets its own data folder; the window opens when the test asks.
class FrameTest : public ::testing::Test {
 protected:
  // Files still owed are named as the window goes: that box is answered too.
  void TearDown() override {
    const MessageBoxWatcher closing;
    frame.reset();
    DropQuitMessages();
    TheSeams() = Seams{};  // the data folder is going too
  }
  MainFrame& Open() {
    frame.reset();
    return *(frame = OpenFrame());
  }
  void Command(int id) { SendCommand(*frame, id); }
  // A key through the message loop, so through the accelerator table.
  void Press(WPARAM key) {
    PostMessageW(frame->hwnd(), WM_KEYDOWN, key, 1);
    PostMessageW(frame->hwnd(), WM_KEYUP, key, 0xC0000001);
    Pump(*frame);
  }
  // Opens a level whose passage starts with `passage` (offset 0), with a clock we move.
  MainFrame& StartLevel(int command, const std::string& file, const std::string& passage) {
    folder.Write(file, passage + std::string(4000, passage.back() == '0' ? '1' : 'x'));
    TheSeams().nextRandom = [] { return 0; };
    TheSeams().clock = [this] { return clock; };
    MainFrame& f = Open();
    Command(command);
    FinishSlide(f);
    return f;
  }
  void Type(const std::string& keys) {
    for (char c : keys) SendMessageW(frame->hwnd(), WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  int Count(RECT area, COLORREF color) { return CountColor(frame->hwnd(), area, color); }
  // The pixels of `r` row by row (of the client area unless `dc` is given), or with `ink`
  // whether each is of that colour.
  std::vector<COLORREF> Look(RECT r, std::optional<COLORREF> ink = {}, HDC dc = nullptr) {
    if (!dc) return Look(r, ink, WindowDC(frame->hwnd(), WindowDC::kClient).get());
    std::vector<COLORREF> pixels;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        pixels.push_back(ink ? GetPixel(dc, x, y) == *ink : GetPixel(dc, x, y));
    return pixels;
  }
  // The colours as the program stored them in skd.kpd.
  Palette Colors() { return PaletteOf(DecodeSettings(*folder.Read("skd.kpd"), {}).colors); }
  // Whether the window has the information colour in `area` exactly where `draw` puts it on a
  // blank page; by default `draw` writes GBK `text` at the area's corner in the page font.
  bool Shows(RECT area, std::string_view text, std::function<void(HDC)> draw = {}) {
    const COLORREF ink = Colors().infoText;
    Canvas page(kClientWidth, kClientHeight, ink ^ 0xFFFFFF);
    ScopedSelect font(page.dc(), SongFont(kPageFont));
    SetTextColor(page.dc(), ink);
    SetBkMode(page.dc(), TRANSPARENT);
    draw ? draw(page.dc()) : DrawTextAt(page.dc(), area.left, area.top, text);
    return Look(area, ink, page.dc()) == Look(area, ink);
  }

  long long clock = 1000000;

  DataFolder folder;
  std::unique_ptr<MainFrame> frame;
};

}  // namespace kelp::test
