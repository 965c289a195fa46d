#include "platform/color_dialog.h"

#include "platform/common_dialog_library.h"

#include <commdlg.h>

#include <array>

namespace kelp {

std::optional<COLORREF> AskForColor(HWND owner, COLORREF initial) {
  auto* chooseColor = CommonDialogFunction<BOOL WINAPI(CHOOSECOLORW*)>("ChooseColorW");
  if (!chooseColor) return std::nullopt;
  // The custom colours last for the run.
  static std::array<COLORREF, 16> customColors{};
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.rgbResult = initial;
  dialog.lpCustColors = customColors.data();
  dialog.Flags = CC_RGBINIT;
  if (!chooseColor(&dialog)) return std::nullopt;
  return dialog.rgbResult;
}

}  // namespace kelp
