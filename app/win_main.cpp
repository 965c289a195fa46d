// The program's entry: the folder check, the window and the message loop.
#include "app/main_frame.h"
#include "platform/message_box.h"
#include "platform/message_loop.h"
#include "platform/seams.h"
#include "platform/system_library.h"
#include "program_texts.h"

#include <windows.h>

namespace {

// Without its own folder the program could neither find its files nor store the
// learner's; it says so and touches nothing.
constexpr char kNoFolder[] =
    "无法确定程序所在的文件夹（路径过长或含有无法用 GBK 表示的字符）。"
    "Kelp 不会读写任何文件，请把它放到路径较短的文件夹里再运行。";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  kelp::SearchDllsInSystemFolderOnly();
  if (kelp::ExecutableDirectory().empty()) {
    kelp::ShowMessageBox(nullptr, kNoFolder, kelp::kErrorCaption, MB_OK | MB_ICONERROR);
    return 1;
  }
  kelp::MainFrame frame;
  ShowWindow(frame.hwnd(), SW_SHOW);
  UpdateWindow(frame.hwnd());
  return kelp::RunMessageLoop(frame.hwnd(), frame.accelerators());
}
