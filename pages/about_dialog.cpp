#include "pages/about_dialog.h"

#include "resource_ids.h"

namespace kelp {

AboutDialog::AboutDialog() : ModalDialog(IDD_ABOUT) {}

bool AboutDialog::OnInitDialog() {
  CenterOnOwner();
  return true;
}

void ShowAboutBox(HWND owner) {
  AboutDialog().Run(owner);
}

}  // namespace kelp
