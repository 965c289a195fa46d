#include "appearance/settings_dialog.h"
#include "resources/resource_ids.h"
#include "tests/dialog_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelp::test {
namespace {

constexpr int kColorEditRed = 706;  // the colour dialog's red, green and blue edits
const Palette kStart{
    RGB(1, 2, 3),
    RGB(4, 5, 6),
    RGB(7, 8, 9),
    {RGB(10, 11, 12), RGB(13, 14, 15), RGB(16, 17, 18), RGB(19, 20, 21), RGB(22, 23, 24)}};

COLORREF SwatchColor(HWND dialog, int colorIndex) {
  // A busy machine may run the script before the dialog box shows itself.
  if (!IsWindowVisible(dialog)) ShowWindow(dialog, SW_SHOWNA);
  UpdateWindow(dialog);
  const RECT swatch = SettingsDialog::SwatchRect(dialog, colorIndex);
  const HDC dc = GetDC(dialog);
  const COLORREF color = GetPixel(dc, swatch.left + 10, swatch.top + 10);
  ReleaseDC(dialog, dc);
  return color;
}

void TypeColor(HWND colorDialog, int red, int green, int blue) {
  SetDlgItemInt(colorDialog, kColorEditRed, red, FALSE);
  SetDlgItemInt(colorDialog, kColorEditRed + 1, green, FALSE);
  SetDlgItemInt(colorDialog, kColorEditRed + 2, blue, FALSE);
}

RECT ClientRectOf(HWND dialog, int id) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Each swatch sits right of the labels, left of its button and level with it.
int MisplacedSwatches(HWND dialog) {
  const RECT label = ClientRectOf(dialog, IDC_STANDARD_LABEL);
  int misplaced = 0;
  for (int i = 0; i < 8; ++i) {
    const RECT swatch = SettingsDialog::SwatchRect(dialog, i);
    const RECT button = ClientRectOf(dialog, IDC_PICK_STANDARD + i);
    const int middle = (swatch.top + swatch.bottom) / 2;
    misplaced += swatch.left < label.right || swatch.right > button.left || middle < button.top ||
                 middle > button.bottom;
  }
  return misplaced;
}

TEST(SettingsDialog, ShowsItsTemplateAndSwatchesAndOkKeepsUnchangedColours) {
  std::string caption, firstLabel;
  std::vector<COLORREF> swatches;
  int buttons = 0;
  int misplaced = -1;
  DialogScript script([&](HWND dialog) {
    UpdateWindow(dialog);  // the swatches are read back from the screen
    misplaced = MisplacedSwatches(dialog);
    caption = WindowTextOf(dialog);
    firstLabel = WindowTextOf(GetDlgItem(dialog, IDC_STANDARD_LABEL));
    for (int id = IDC_PICK_STANDARD; id <= IDC_PICK_LEVEL5; ++id)
      buttons += WindowTextOf(GetDlgItem(dialog, id)) == "选择";
    for (int i = 0; i < 8; ++i) swatches.push_back(SwatchColor(dialog, i));
    PostButton(dialog, IDOK);
  });
  const std::optional<Palette> result = RunSettingsDialog(nullptr, kStart);
  EXPECT_EQ(caption, "Kelp3设置...");
  EXPECT_EQ(firstLabel, "标准字体颜色：");
  EXPECT_EQ(buttons, 8);
  EXPECT_EQ(misplaced, 0);
  EXPECT_EQ(swatches, (std::vector<COLORREF>{RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9),
                                             RGB(10, 11, 12), RGB(13, 14, 15), RGB(16, 17, 18),
                                             RGB(19, 20, 21), RGB(22, 23, 24)}));
  ASSERT_TRUE(result);
  EXPECT_EQ(ColorBlockOf(*result), ColorBlockOf(kStart));
}

// Picks a colour for `button`, then ends the settings dialog with `finalButton`.
struct PickThenClose {
  int button;
  bool confirmColor;
  int finalButton;
  HWND settings = nullptr;
  COLORREF initialShown = 0;
  COLORREF swatchAfter = 0;
  HWND colorOwner = nullptr;
  int settingsActivations = 0;

  void operator()(HWND dialog) {
    if (WindowTextOf(dialog) == "Kelp3设置...") {
      settings = dialog;
      if (++settingsActivations == 1) {
        PostButton(dialog, button);
      } else {
        UpdateWindow(dialog);
        swatchAfter = SwatchColor(dialog, button - IDC_PICK_STANDARD);
        PostButton(dialog, finalButton);
      }
      return;
    }
    // The colour dialog, started at the button's colour.
    colorOwner = GetWindow(dialog, GW_OWNER);
    initialShown = RGB(GetDlgItemInt(dialog, kColorEditRed, nullptr, FALSE),
                       GetDlgItemInt(dialog, kColorEditRed + 1, nullptr, FALSE),
                       GetDlgItemInt(dialog, kColorEditRed + 2, nullptr, FALSE));
    TypeColor(dialog, 200, 100, 50);
    PostButton(dialog, confirmColor ? IDOK : IDCANCEL);
  }
};

TEST(SettingsDialog, ChosenColourShowsInItsSwatchAndComesBackOnOk) {
  PickThenClose steps{IDC_PICK_LEVEL2, true, IDOK};
  std::optional<Palette> result;
  {
    DialogScript script([&](HWND dialog) { steps(dialog); });
    result = RunSettingsDialog(nullptr, kStart);
  }
  EXPECT_EQ(steps.colorOwner, steps.settings);
  EXPECT_EQ(steps.initialShown, RGB(13, 14, 15));
  EXPECT_EQ(steps.swatchAfter, RGB(200, 100, 50));
  ASSERT_TRUE(result);
  Palette expected = kStart;
  expected.level[1] = RGB(200, 100, 50);
  EXPECT_EQ(ColorBlockOf(*result), ColorBlockOf(expected));
}

TEST(SettingsDialog, CancelledColourDialogOrSettingsDialogChangesNothing) {
  PickThenClose cancelColor{IDC_PICK_STANDARD, false, IDOK};
  std::optional<Palette> result;
  {
    DialogScript script([&](HWND dialog) { cancelColor(dialog); });
    result = RunSettingsDialog(nullptr, kStart);
  }
  EXPECT_EQ(cancelColor.swatchAfter, RGB(1, 2, 3));
  ASSERT_TRUE(result);
  EXPECT_EQ(ColorBlockOf(*result), ColorBlockOf(kStart));

  PickThenClose cancelSettings{IDC_PICK_INFO, true, IDCANCEL};
  {
    DialogScript script([&](HWND dialog) { cancelSettings(dialog); });
    result = RunSettingsDialog(nullptr, kStart);
  }
  EXPECT_EQ(cancelSettings.swatchAfter, RGB(200, 100, 50));
  EXPECT_FALSE(result);
}

}  // namespace
}  // namespace kelp::test
