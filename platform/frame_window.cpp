#include "platform/frame_window.h"

#include "platform/gbk.h"
#include "platform/gdi.h"

namespace kelp {

namespace {

constexpr wchar_t kClassName[] = L"KelpFrame";

}  // namespace

void FrameWindow::RegisterFrameClass(int iconId) {
  static const bool registered = [iconId] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &FrameWindow::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconResource(iconId, GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = LoadIconResource(iconId, GetSystemMetrics(SM_CXSMICON));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

FrameWindow::~FrameWindow() {
  Destroy();
}

bool FrameWindow::Create(std::string_view gbkTitle, DWORD style, DWORD exStyle, const RECT& rect,
                         HMENU menu, int iconId) {
  RegisterFrameClass(iconId);
  HWND created = CreateWindowExW(exStyle, kClassName, Widen(gbkTitle).c_str(), style, rect.left,
                                 rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                 menu, GetModuleHandleW(nullptr), this);
  return created != nullptr;
}

void FrameWindow::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT FrameWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultProc(message, wParam, lParam);
}

LRESULT FrameWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK FrameWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* creating =
        static_cast<FrameWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    creating->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
  }
  auto* self = reinterpret_cast<FrameWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    self->hwnd_ = nullptr;
    return result;
  }
  return self->HandleMessage(message, wParam, lParam);
}

// The frame as Windows drew it: its borders are as thick as the client area's
// offset less the sunken client edge; the menu bar is where Windows says it is.
FrameLayout ReadFrameLayout(HWND window, int cyMenu) {
  RECT box{};
  GetWindowRect(window, &box);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  FrameLayout frame;
  frame.windowWidth = box.right - box.left;
  frame.windowHeight = box.bottom - box.top;
  frame.client = {client.x - box.left, client.y - box.top};
  const int edge = GetSystemMetrics(SM_CYEDGE);
  const int border = frame.client.x - edge;
  MENUBARINFO bar{};
  bar.cbSize = sizeof bar;
  if (GetMenuBarInfo(window, OBJID_MENU, 0, &bar) && bar.rcBar.bottom > bar.rcBar.top)
    frame.menuBar = {border, bar.rcBar.top - box.top, frame.windowWidth - border,
                     bar.rcBar.bottom - box.top};
  else
    frame.menuBar = {border, frame.client.y - edge - cyMenu, frame.windowWidth - border,
                     frame.client.y - edge};
  frame.caption = {border, border, frame.windowWidth - border, frame.menuBar.top};
  const HMENU menu = GetMenu(window);
  RECT title{};
  if (menu && GetMenuItemCount(menu) > 0 &&
      GetMenuItemRect(window, menu, GetMenuItemCount(menu) - 1, &title))
    frame.menuTitlesRight = title.right - box.left;
  return frame;
}

}  // namespace kelp
