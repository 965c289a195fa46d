#include "platform/modal_dialog.h"

namespace kelp {

INT_PTR ModalDialog::Run(HWND owner) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                         &ModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

bool ModalDialog::OnCommand(WORD id, WORD) {
  if (id != IDOK && id != IDCANCEL) return false;
  End(id);
  return true;
}

bool ModalDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
  return false;
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ModalDialog*>(lParam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    return self->OnInitDialog() ? TRUE : FALSE;
  }
  auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  if (message == WM_COMMAND) return self->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
  INT_PTR result = TRUE;
  if (self->OnMessage(message, wParam, lParam, result)) return result;
  return FALSE;
}

}  // namespace kelp
