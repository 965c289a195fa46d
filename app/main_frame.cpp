#include "app/main_frame.h"

#include "platform/seams.h"
#include "resource_ids.h"

#include <cstdlib>

namespace kelp {

namespace {

constexpr char kWindowTitle[] = "Kelp专业打字练习III(最终版)";
constexpr UINT kTipPeriodMs = 4000;

HICON LoadProgramIcon(int id) {
  return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

}  // namespace

MainFrame::MainFrame() {
  ReadSystemMetrics();
  LoadToolIcons();
  const RECT rect = ComputeWindowRect();
  windowRect = {0, 0, rect.right - rect.left, rect.bottom - rect.top};
  menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
  Create(kWindowTitle, WS_CAPTION, WS_EX_CLIENTEDGE, rect);
  SetMenu(hwnd(), menu);
  accelerators_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.appIcon));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.appIcon));
  practicePhase = PhaseIdle;
  lastMouse = {0, 0};
  slideStep = 0;
  toolBarState = kStripShown;
  tipIndex = 0;
  digitThreeCount = 0;
  page = kHomePage;
  for (int& offset : buttonOffsets) offset = 0;
  std::srand(static_cast<unsigned>(Now()));
  exeDir = ExecutableDirectory();
  SetTimer(hwnd(), kTipTimer, kTipPeriodMs, nullptr);
  LoadSettings();
}

MainFrame::~MainFrame() {
  if (hwnd()) {
    KillTimer(hwnd(), kTipTimer);
    KillTimer(hwnd(), kSlideTimer);
    SetMenu(hwnd(), nullptr);
  }
  if (menu) DestroyMenu(menu);
  Destroy();
}

void MainFrame::ReadSystemMetrics() {
  metrics.cyCaption = GetSystemMetrics(SM_CYCAPTION);
  metrics.cyMenu = GetSystemMetrics(SM_CYMENU);
  metrics.cyBorder = GetSystemMetrics(SM_CYBORDER);
  metrics.cxScreen = GetSystemMetrics(SM_CXSCREEN);
  metrics.cyScreen = GetSystemMetrics(SM_CYSCREEN);
  metrics.colorBtnFace = GetSysColor(COLOR_BTNFACE);
  metrics.colorWindowText = GetSysColor(COLOR_WINDOWTEXT);
  const int half = (metrics.cyCaption - 6) / 2;
  metrics.captionFont = CreateSongFont({2 * half, half, 600});
}

void MainFrame::LoadToolIcons() {
  icons.appIcon = LoadProgramIcon(IDI_APP);
  icons.exitIcon = LoadProgramIcon(IDI_EXIT);
  icons.settingsIcon = LoadProgramIcon(IDI_SETTINGS);
  icons.scoreSheetIcon = LoadProgramIcon(IDI_SCORE_SHEET);
  icons.minimizeIcon = LoadProgramIcon(IDI_MINIMIZE);
  for (int i = 0; i < 5; ++i) icons.levelIcons[i] = LoadProgramIcon(IDI_LEVEL1 + i);
}

// Centred on 700 x 500 (not 450), without being moved back onto small screens.
RECT MainFrame::ComputeWindowRect() const {
  const int height = metrics.cyCaption + metrics.cyMenu + 4 * metrics.cyBorder + 456;
  const int width = 4 * metrics.cyBorder + 706;
  const int left = (metrics.cxScreen - 700) / 2;
  const int top = (metrics.cyScreen - 500) / 2;
  return {left, top, left + width, top + height};
}

LRESULT MainFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam))) return 0;
      break;
    case WM_CHAR:
      OnChar(static_cast<unsigned>(wParam));
      break;  // then the default handling
    case WM_DESTROY:
      SetMenu(hwnd(), nullptr);  // the menu is ours to destroy
      PostQuitMessage(0);
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

void MainFrame::OnTimer(UINT_PTR id) {
  // Only advance a slide that is running; a tick queued before the end is stale.
  if (id == kSlideTimer &&
      (toolBarState == kStripSlidingAway || toolBarState == kStripSlidingBack)) {
    slideStep += 5;
    RedrawAll();
  }
}

void MainFrame::RedrawAll() {
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void MainFrame::OnMinimize() {
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void MainFrame::OnAppExit() {
  PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace kelp
