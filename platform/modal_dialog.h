#pragma once

#include <windows.h>

// Base of a modal dialog built from a dialog template resource.
namespace kelp {

class ModalDialog {
 public:
  explicit ModalDialog(int templateId) : templateId_(templateId) {}
  virtual ~ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Runs the dialog until it ends; returns the code passed to End (IDOK, IDCANCEL, ...).
  INT_PTR Run(HWND owner);

 protected:
  HWND hwnd() const { return hwnd_; }
  void End(INT_PTR result) { EndDialog(hwnd_, result); }
  void CenterOnOwner();
  // Return false when the focus was set by the handler.
  virtual bool OnInitDialog() { return true; }
  // Default: OK and Cancel end the dialog with their id.
  virtual bool OnCommand(WORD id, WORD notification);
  // Messages other than WM_INITDIALOG and WM_COMMAND; return true when handled.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  int templateId_;
  HWND hwnd_ = nullptr;
};

}  // namespace kelp
