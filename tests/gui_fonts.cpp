#include "practice/level_table.h"
#include "tests/pixels.h"

#include <gtest/gtest.h>

#include <cwchar>

// The Song face "宋体" as the prefix resolves it (cmake/wine-settings.reg): the
// practice text must be legible and every glyph must keep to the layout's cells.
namespace kelp::test {
namespace {

// The shapes the views ask for besides the page font: passage cells, the caption.
constexpr FontSpec kPracticeFont{20, 12, 600}, kCaptionFont{12, 6, 600};

// `text` drawn at (0, 0) on a white 64 x 32 surface.
struct Ink {
  Ink(FontSpec shape, const std::wstring& text) {
    ScopedSelect select(canvas.dc(), SongFont(shape));
    SetBkMode(canvas.dc(), TRANSPARENT);
    TextOutW(canvas.dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
    GetTextExtentPoint32W(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &extent);
  }
  bool Inked(int i) const { return canvas.At(i % 64, i / 64) != RGB(255, 255, 255); }
  // Pixels inked in one and not the other.
  int Distance(const Ink& other) const {
    int count = 0;
    for (int i = 0; i < 64 * 32; ++i) count += Inked(i) != other.Inked(i);
    return count;
  }
  // One past the right-most and bottom-most inked pixel.
  POINT End() const {
    POINT end{0, 0};
    for (int i = 0; i < 64 * 32; ++i)
      if (Inked(i)) end = {std::max(end.x, i % 64 + 1L), std::max(end.y, i / 64 + 1L)};
    return end;
  }
  Canvas canvas{64, 32, RGB(255, 255, 255)};
  SIZE extent{};
};

TEST(Fonts, PracticeGlyphsAreTellableApartAndStayInTheirCell) {
  // Look-alikes differ by at least a stroke; the small punctuation marks by a dot.
  for (const wchar_t* pair : {L"l1", L"lI", L"l|", L"1I", L"1|", L"I|", L"O0", L"o0", L"!|", L"i!",
                              L"5S", L"2Z", L"8B", L"-_", L".,", L":;", L"'`"})
    EXPECT_GE(Ink(kPracticeFont, {pair[0]}).Distance(Ink(kPracticeFont, {pair[1]})),
              wcschr(L".:'", pair[0]) ? 6 : 13)
        << "'" << char(pair[0]) << "' looks like '" << char(pair[1]) << "'";
  for (wchar_t c = 0x21; c < 0x7F; ++c) {
    const POINT end = Ink(kPracticeFont, {c}).End();
    EXPECT_LE(end.x, kCellPitch) << "'" << char(c) << "' reaches the next cell";
    EXPECT_LE(end.y, kPracticeFont.height) << "'" << char(c) << "'";
  }
}

TEST(Fonts, ChineseLabelsAndTheCaptionDrawRealGlyphsAtTheirSize) {
  for (FontSpec shape : {kPageFont, kCaptionFont}) {
    SCOPED_TRACE(shape.weight);
    const Ink label(shape, L"入门练习"), blank(shape, L""), missing(shape, L"\xE000");
    EXPECT_LE(label.extent.cx, 4 * 2 * shape.width);
    EXPECT_GE(label.extent.cx, 4 * (2 * shape.width - 1));
    EXPECT_LE(label.extent.cy, shape.height);
    EXPECT_LE(label.End().y, shape.height);
    EXPECT_EQ(Ink(shape, L"Kelp").extent.cx, 4 * shape.width);
    // Each character has glyphs of its own: not one missing-glyph box for all.
    for (const wchar_t* text : {L"入", L"门", L"练", L"习", L"中"}) {
      EXPECT_GT(Ink(shape, text).Distance(blank), 10);
      EXPECT_GT(Ink(shape, text).Distance(missing), 10);
    }
    EXPECT_GT(Ink(shape, L"入").Distance(Ink(shape, L"门")), 10);
  }
  // The system's default quality: smoothing is the learner's setting.
  LOGFONTW asked{};
  GetObjectW(SongFont(kPracticeFont), sizeof asked, &asked);
  EXPECT_EQ(asked.lfQuality, DEFAULT_QUALITY);
}

}  // namespace
}  // namespace kelp::test
