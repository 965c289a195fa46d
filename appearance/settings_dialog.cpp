#include "appearance/settings_dialog.h"

#include "platform/color_dialog.h"
#include "platform/gdi.h"
#include "resources/resource_ids.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace kelp {

namespace {

// Pixels with the template's font at 96 dots per inch, whose dialog base units
// are 6 by 12. With other font metrics or resolutions the swatches scale with
// the controls, so that each stays in line with its row.
constexpr int kReferenceBaseX = 6;
constexpr int kReferenceBaseY = 12;
constexpr int kSwatchSide = 20;
constexpr int kSwatchLeft = 145;
// In colour-block order, one per "选择" button from IDC_PICK_STANDARD on.
constexpr int kSwatchTops[] = {35, 70, 112, 180, 220, 257, 295, 333};
static_assert(std::size(kSwatchTops) == std::tuple_size_v<ColorBlock>);
static_assert(IDC_PICK_LEVEL5 - IDC_PICK_STANDARD + 1 == static_cast<int>(std::size(kSwatchTops)));

}  // namespace

std::optional<Palette> RunSettingsDialog(HWND owner, const Palette& current) {
  SettingsDialog dialog(ColorBlockOf(current));
  if (dialog.Run(owner) != IDOK) return std::nullopt;
  return PaletteOf(dialog.colors());
}

SettingsDialog::SettingsDialog(const ColorBlock& colors)
    : ModalDialog(IDD_SETTINGS), colors_(colors) {}

RECT SettingsDialog::SwatchRect(HWND dialog, int colorIndex) {
  RECT base{0, 0, 4, 8};  // one character cell in dialog units
  MapDialogRect(dialog, &base);
  const int left = MulDiv(kSwatchLeft, base.right, kReferenceBaseX);
  const int top = MulDiv(kSwatchTops[colorIndex], base.bottom, kReferenceBaseY);
  const int side = MulDiv(kSwatchSide, base.bottom, kReferenceBaseY);
  return {left, top, left + side, top + side};
}

// Over the middle of the main window, kept on the screen the window is on.
bool SettingsDialog::OnInitDialog() {
  CenterOnOwner();
  return true;
}

bool SettingsDialog::OnCommand(WORD id, WORD notification) {
  if (id >= IDC_PICK_STANDARD && id <= IDC_PICK_LEVEL5) {
    if (notification == BN_CLICKED) PickColor(id - IDC_PICK_STANDARD);
    return true;
  }
  return ModalDialog::OnCommand(id, notification);
}

void SettingsDialog::PickColor(int colorIndex) {
  const std::optional<COLORREF> chosen = AskForColor(hwnd(), colors_[colorIndex]);
  if (!chosen) return;
  colors_[colorIndex] = *chosen;
  const RECT swatch = SwatchRect(hwnd(), colorIndex);
  RedrawWindow(hwnd(), &swatch, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool SettingsDialog::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message != WM_PAINT) return false;
  OnPaint();
  result = TRUE;
  return true;
}

void SettingsDialog::OnPaint() {
  PaintDC paint(hwnd());
  for (std::size_t i = 0; i < colors_.size(); ++i) {
    const RECT swatch = SwatchRect(hwnd(), static_cast<int>(i));
    FillSolid(paint.get(), swatch.left, swatch.top, swatch.right, swatch.bottom, colors_[i]);
  }
}

}  // namespace kelp
