#include "platform/gdi.h"
#include "tests/pixels.h"
#include "practice/level_table.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

// The Song face "宋体" as the prefix resolves it (cmake/wine-settings.reg): the
// practice text must be legible and every glyph must keep to the layout's cells.
namespace kelp::test {
namespace {

// The shapes the views ask for: passage cells, page labels, the caption.
constexpr FontSpec kPracticeFont{20, 12, 600};
constexpr FontSpec kCaptionFont{12, 6, 600};

// The ink of `text` drawn at (0, 0) on a white 64 x 32 surface, one flag per pixel.
class Ink {
 public:
  Ink(FontSpec shape, const std::wstring& text) : pixels_(kWidth * kHeight) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const Bitmap surface = NewDib(kWidth, kHeight);
    const HGDIOBJ oldSurface = SelectObject(dc, surface.get());
    Font font = CreateSongFont(shape);
    const HGDIOBJ oldFont = SelectObject(dc, font.get());
    PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent_);
    for (int i = 0; i < kWidth * kHeight; ++i)
      pixels_[i] = GetPixel(dc, i % kWidth, i / kWidth) != RGB(255, 255, 255);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldSurface);
    DeleteDC(dc);
  }

  // Pixels that differ from `other`'s.
  int Distance(const Ink& other) const {
    int count = 0;
    for (size_t i = 0; i < pixels_.size(); ++i) count += pixels_[i] != other.pixels_[i];
    return count;
  }
  int Count() const { return Distance(Ink()); }
  // One past the right-most and bottom-most inked pixel.
  POINT End() const {
    POINT end{0, 0};
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (pixels_[y * kWidth + x])
          end = {std::max<LONG>(end.x, x + 1), std::max<LONG>(end.y, y + 1)};
    return end;
  }
  SIZE extent() const { return extent_; }

 private:
  static constexpr int kWidth = 64;
  static constexpr int kHeight = 32;
  Ink() : pixels_(kWidth * kHeight) {}

  std::vector<bool> pixels_;
  SIZE extent_{};
};

TEST(Fonts, PracticeGlyphsAreTellableApartAndStayInTheirCell) {
  // Look-alikes differ by at least a stroke; the small punctuation marks by a dot.
  auto expectApart = [](const wchar_t* pair, int pixels) {
    const Ink a(kPracticeFont, std::wstring(1, pair[0]));
    const Ink b(kPracticeFont, std::wstring(1, pair[1]));
    EXPECT_GE(a.Distance(b), pixels) << "'" << static_cast<char>(pair[0]) << "' looks like '"
                                     << static_cast<char>(pair[1]) << "'";
  };
  for (const wchar_t* pair : {L"l1", L"lI", L"l|", L"1I", L"1|", L"I|", L"O0", L"o0", L"!|", L"i!",
                              L"5S", L"2Z", L"8B", L"-_"})
    expectApart(pair, 13);
  for (const wchar_t* pair : {L".,", L":;", L"'`"}) expectApart(pair, 6);
  for (wchar_t c = 0x21; c < 0x7F; ++c) {
    const POINT end = Ink(kPracticeFont, std::wstring(1, c)).End();
    EXPECT_LE(end.x, kCellPitch) << "'" << static_cast<char>(c) << "' reaches the next cell";
    EXPECT_LE(end.y, kPracticeFont.height) << "'" << static_cast<char>(c) << "'";
  }
}

TEST(Fonts, ChineseLabelsAndTheCaptionDrawRealGlyphsAtTheirSize) {
  for (FontSpec shape : {kPageFont, kCaptionFont}) {
    const Ink label(shape, L"入门练习");
    EXPECT_LE(label.extent().cx, 4 * 2 * shape.width);
    EXPECT_GE(label.extent().cx, 4 * (2 * shape.width - 1));
    EXPECT_LE(label.extent().cy, shape.height);
    EXPECT_LE(label.End().y, shape.height);
    EXPECT_EQ(Ink(shape, L"Kelp").extent().cx, 4 * shape.width);
    // Each character has glyphs of its own: not one missing-glyph box for all.
    const Ink missing(shape, L"\xE000");
    for (const wchar_t* text : {L"入", L"门", L"练", L"习", L"中"}) {
      const Ink glyph(shape, text);
      EXPECT_GT(glyph.Count(), 10);
      EXPECT_GT(glyph.Distance(missing), 10);
    }
    EXPECT_GT(Ink(shape, L"入").Distance(Ink(shape, L"门")), 10);
  }
  // The system's default quality: smoothing is the learner's setting.
  const Font font = CreateSongFont(kPracticeFont);
  LOGFONTW asked{};
  GetObjectW(font.get(), sizeof asked, &asked);
  EXPECT_EQ(asked.lfQuality, DEFAULT_QUALITY);
}

}  // namespace
}  // namespace kelp::test
