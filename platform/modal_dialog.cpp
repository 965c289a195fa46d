#include "platform/modal_dialog.h"

#include "platform/work_area.h"

namespace kelp {

INT_PTR ModalDialog::Run(HWND owner) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                         &ModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

// Over the owner, inside the work area of the owner's monitor (of the dialog's
// own without a shown owner).
void ModalDialog::CenterOnOwner() {
  const HWND owner = GetWindow(hwnd_, GW_OWNER);
  const HMONITOR monitor = MonitorFromWindow(owner ? owner : hwnd_, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  RECT area = info.rcWork;
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &area);
  RECT own{};
  GetWindowRect(hwnd_, &own);
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;
  const LONG left = (area.left + area.right - width) / 2;
  const LONG top = (area.top + area.bottom - height) / 2;
  const POINT at = PlaceInWorkArea(monitor, {left, top, left + width, top + height});
  SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
