#include "platform/message_loop.h"

namespace kelp {

namespace {

void Dispatch(MSG& message, HWND window, HACCEL accelerators) {
  if (accelerators && window && TranslateAcceleratorW(window, accelerators, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

int RunMessageLoop(HWND window, HACCEL accelerators) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message, window, accelerators);
  return static_cast<int>(message.wParam);
}

bool DispatchPendingMessages(HWND window, HACCEL accelerators) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    Dispatch(message, window, accelerators);
  }
  return true;
}

}  // namespace kelp
