#pragma once

#include "platform/gbk.h"

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelp::test {

// Calls `onActivate` for every dialog window (#32770: our templates, message
// boxes and the common dialogs) activated on this thread while it lives, a
// moment later, when the dialog is shown and initialised. The handler answers
// it, typically by posting a button's WM_COMMAND.
class DialogScript {
 public:
  explicit DialogScript(std::function<void(HWND)> onActivate) {
    Handler() = std::move(onActivate);
    hook_ = SetWindowsHookExW(WH_CBT, &DialogScript::Hook, nullptr, GetCurrentThreadId());
  }
  ~DialogScript() {
    UnhookWindowsHookEx(hook_);
    Handler() = nullptr;
    Pending().clear();
  }
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

 private:
  static std::function<void(HWND)>& Handler() {
    static std::function<void(HWND)> handler;
    return handler;
  }
  static std::vector<HWND>& Pending() {
    static std::vector<HWND> pending;
    return pending;
  }
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
      const auto window = reinterpret_cast<HWND>(wParam);
      wchar_t className[16] = {};
      GetClassNameW(window, className, 16);
      if (std::wstring(className) == L"#32770" && Handler()) {
        Pending().push_back(window);
        SetTimer(nullptr, 0, kDelayMs, &DialogScript::RunPending);
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  // A thread timer: it fires in whichever modal loop runs then.
  static void CALLBACK RunPending(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (Pending().empty()) return;
    const HWND window = Pending().front();
    Pending().erase(Pending().begin());
    if (IsWindow(window) && Handler()) Handler()(window);
  }
  static constexpr UINT kDelayMs = 30;
  HHOOK hook_;
};

inline std::string WindowTextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return Narrow(text);
}

inline void PostButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace kelp::test
