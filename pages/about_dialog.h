#pragma once

#include "platform/modal_dialog.h"

#include <windows.h>

// The about box: product, version, notice and credits, from its dialog template.
namespace kelp {

// Closed by OK, Enter, Esc or the close box; nothing else to handle.
class AboutDialog : public ModalDialog {
 public:
  AboutDialog();

 protected:
  bool OnInitDialog() override;
};

// Runs the about box modally over `owner`; its result does not matter.
void ShowAboutBox(HWND owner);

}  // namespace kelp
