#include "app/main_frame.h"
#include "platform/message_loop.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  kelp::MainFrame frame;
  ShowWindow(frame.hwnd(), SW_SHOW);
  UpdateWindow(frame.hwnd());
  return kelp::RunMessageLoop(frame.hwnd(), frame.accelerators());
}
