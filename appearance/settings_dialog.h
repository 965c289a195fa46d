#pragma once

#include "appearance/palette.h"
#include "platform/modal_dialog.h"

#include <windows.h>

#include <optional>

namespace kelp {

// The eight colours of the settings, edited on a copy with the colour dialog.
// Nothing when the dialog ends any other way than OK.
std::optional<Palette> RunSettingsDialog(HWND owner, const Palette& current);

class SettingsDialog : public ModalDialog {
 public:
  explicit SettingsDialog(const ColorBlock& colors);
  const ColorBlock& colors() const { return colors_; }

  // Client-pixel square of the colour a button edits, between its label and its button.
  static RECT SwatchRect(HWND dialog, int colorIndex);

 private:
  bool OnInitDialog() override;
  bool OnCommand(WORD id, WORD notification) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void PickColor(int colorIndex);
  void OnPaint();

  ColorBlock colors_;
};

}  // namespace kelp
