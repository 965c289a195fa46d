#include "pages/author_page_view.h"
#include "pages/keyboard_layout_view.h"
#include "resource_ids.h"
#include "tests/frame_test.h"

namespace kelp::test {
namespace {

class InfoPages : public FrameTest {
 protected:
  void Type(const std::string& keys) {
    for (char c : keys) SendMessageW(frame->hwnd(), WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  // The dedication picture's top-left pixel shows only while the panel is up.
  bool PanelShown() {
    const Bitmap picture = LoadBitmapResource(IDB_DEDICATION);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(memory, picture.get());
    const COLORREF expected = GetPixel(memory, 10, 10);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return PixelAt(*frame, kDedicationPictureArea.left + 10, kDedicationPictureArea.top + 10) ==
           expected;
  }
};

TEST_F(InfoPages, DedicationAtTheFourthThreeOnTheAuthorPageOnly) {
  MainFrame& f = Open();
  Command(ID_AUTHOR);
  FinishSlide(f);
  ASSERT_EQ(f.page(), Page::Author);
  Type("333");
  EXPECT_FALSE(PanelShown());
  Type("3");
  EXPECT_TRUE(PanelShown());
  f.RedrawAll();  // the next repaint removes it
  EXPECT_FALSE(PanelShown());

  Command(ID_KEYBOARD_LAYOUT);
  Type("3333");
  EXPECT_EQ(f.digitThreeCount(), 0);
  Command(ID_AUTHOR);
  Type("333");
  EXPECT_FALSE(PanelShown());
}

TEST_F(InfoPages, AuthorAndLayoutPagesDrawTheirContentWhenShown) {
  MainFrame& f = Open();
  Command(ID_AUTHOR);
  FinishSlide(f);
  int infoPixels = 0;
  for (int y = 100; y < 400; y += 1)
    for (int x = 50; x < 400; x += 3) infoPixels += PixelAt(f, x, y) == f.palette().infoText;
  EXPECT_GT(infoPixels, 50);

  folder.Remove("kb0.kpd");  // a missing picture: a plain area, nothing of the last page
  Command(ID_KEYBOARD_LAYOUT);
  EXPECT_EQ(f.slide().state(), StripState::Hidden);
  EXPECT_EQ(PixelAt(f, 200, 200), kLayoutPlainFill);
  EXPECT_EQ(PixelAt(f, 600, 380), kLayoutPlainFill);
}

}  // namespace
}  // namespace kelp::test
