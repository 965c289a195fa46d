#include "pages/about_dialog.h"

#include "resource_ids.h"

#include <algorithm>

namespace kelp {

namespace {

// Over the middle of the owner (of the screen without one), kept on the screen.
void CenterOverOwner(HWND dialog) {
  RECT box{}, over{};
  GetWindowRect(dialog, &box);
  const HWND owner = GetWindow(dialog, GW_OWNER);
  if (!owner || !GetWindowRect(owner, &over)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
  const int width = box.right - box.left, height = box.bottom - box.top;
  int x = over.left + (over.right - over.left - width) / 2;
  int y = over.top + (over.bottom - over.top - height) / 2;
  x = std::max<int>(0, std::min<int>(x, GetSystemMetrics(SM_CXSCREEN) - width));
  y = std::max<int>(0, std::min<int>(y, GetSystemMetrics(SM_CYSCREEN) - height));
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

AboutDialog::AboutDialog() : ModalDialog(IDD_ABOUT) {}

bool AboutDialog::OnInitDialog() {
  CenterOverOwner(hwnd());
  return true;
}

void ShowAboutBox(HWND owner) {
  AboutDialog().Run(owner);
}

}  // namespace kelp
