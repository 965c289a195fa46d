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
  void TearDown() override {
    frame.reset();
    TheSeams().nextRandom = nullptr;
    TheSeams().clock = nullptr;
    TheSeams().soundOutput = nullptr;
  }
  MainFrame& Open() {
    frame.reset();
    frame = OpenFrame();
    return *frame;
  }
  void Command(int id) { SendCommand(*frame, id); }
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
  // The colours as the program stored them in skd.kpd.
  Palette Colors() {
    return PaletteOf(DecodeSettings(folder.Read("skd.kpd").value_or(""), {}).colors);
  }
  // Whether the window has `ink` in `area` exactly where `draw` puts it on a blank page.
  bool Shows(RECT area, COLORREF ink, const std::function<void(HDC)>& draw) {
    Canvas page(700, 450, ink ^ 0xFFFFFF);
    draw(page.dc());
    const HDC dc = GetDC(frame->hwnd());
    int differ = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        differ += (GetPixel(dc, x, y) == ink) != (page.At(x, y) == ink);
    ReleaseDC(frame->hwnd(), dc);
    return differ == 0;
  }
  // Whether GBK `text` stands at (x, y) in the page font.
  bool ShowsText(int x, int y, std::string_view text, COLORREF ink) {
    const RECT box{x, y, x + kPageFont.width * static_cast<int>(text.size()), y + kPageFont.height};
    return Shows(box, ink, [&](HDC dc) {
      ScopedSelect font(dc, SongFont(kPageFont));
      SetTextColor(dc, ink);
      SetBkMode(dc, TRANSPARENT);
      DrawTextAt(dc, x, y, text);
    });
  }

  long long clock = 1000000;

  DataFolder folder;
  std::unique_ptr<MainFrame> frame;
};

}  // namespace kelp::test
