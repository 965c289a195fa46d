#include "app/main_frame.h"

#include "app/caption_view.h"
#include "appearance/background.h"
#include "appearance/settings_store.h"
#include "appearance/skin_table.h"
#include "app/tool_button_view.h"
#include "pages/author_page_view.h"
#include "pages/keyboard_layout_view.h"
#include "platform/dwm.h"
#include "platform/learner_folder.h"
#include "platform/seams.h"
#include "platform/sound.h"
#include "practice/exercise_view.h"
#include "scores/score_history.h"
#include "scores/score_sheet_view.h"
#include "resource_ids.h"

#include <imm.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace kelp {

namespace {

constexpr UINT kTipPeriodMs = 4000;
constexpr UINT kSlidePeriodMs = 30;
// Posted at start-up: the files are looked for once the window shows.
constexpr UINT kCheckDataFiles = WM_APP + 1;
// Undocumented: the theme engine draws the caption and the frame on these.
constexpr UINT kThemeDrawsCaption = 0x00AE;
constexpr UINT kThemeDrawsFrame = 0x00AF;
constexpr UINT kLearnerFolderMessage = WM_APP + 2;

// The strip's icons are drawn at 32 x 32 on every scaling; the window's icon at the system size.
HICON LoadProgramIcon(int id, int size = 0) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                       size, size, LR_SHARED | (size ? 0 : LR_DEFAULTSIZE)));
}

std::vector<std::string> LearnerFileNames() {
  std::vector<std::string> names{kSettingsFileName};
  for (int level = 0; level < kLevelCount; ++level) names.push_back(ScoreFileName(level));
  return names;
}

}  // namespace

MainFrame::MainFrame() {
  ReadSystemMetrics();
  LoadToolIcons();
  StartupStepDone("icons loaded");
  const RECT rect = ComputeWindowRect();
  menu_ = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
  Create(kWindowTitle, WS_CAPTION, WS_EX_CLIENTEDGE, rect);
  DisableCompositorFrame(hwnd());
  SetMenu(hwnd(), menu_);
  FitClientArea();
  KeepCaptionOnScreen();
  // No input method for the main window: with a Chinese one on, letters would go
  // into its composition window instead of reaching the exercise as WM_CHAR.
  ImmAssociateContextEx(hwnd(), nullptr, 0);
  accelerators_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon_));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon_));
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  exeDir_ = ExecutableDirectory();
  const LearnerFolder learnerFolder = FindLearnerFolder(exeDir_, LearnerFileNames());
  dataDir_ = learnerFolder.path;
  if (learnerFolder.madeNow) PostMessageW(hwnd(), kLearnerFolderMessage, 0, 0);
  SetTimer(hwnd(), kTipTimer, kTipPeriodMs, nullptr);
  StartupStepDone("window created");
  LoadSettingsAndBackground();
  PostMessageW(hwnd(), kCheckDataFiles, 0, 0);
}

MainFrame::~MainFrame() {
  if (hwnd()) {
    KillTimer(hwnd(), kTipTimer);
    KillTimer(hwnd(), kSlideTimer);
    SetMenu(hwnd(), nullptr);
  }
  if (menu_) DestroyMenu(menu_);
  Destroy();
}

void MainFrame::ReadSystemMetrics() {
  metrics_.cyCaption = SystemMetric(SM_CYCAPTION);
  metrics_.cyMenu = SystemMetric(SM_CYMENU);
  metrics_.cyBorder = SystemMetric(SM_CYBORDER);
  metrics_.cxScreen = SystemMetric(SM_CXSCREEN);
  metrics_.cyScreen = SystemMetric(SM_CYSCREEN);
  metrics_.colorBtnFace = GetSysColor(COLOR_BTNFACE);
  metrics_.colorWindowText = GetSysColor(COLOR_WINDOWTEXT);
  const int half = (metrics_.cyCaption - 6) / 2;
  metrics_.captionFont = CreateSongFont({2 * half, half, 600});
}

// The strip's order: five levels, score sheet, settings, minimise, exit.
void MainFrame::LoadToolIcons() {
  appIcon_ = LoadProgramIcon(IDI_APP);
  for (int i = 0; i < kToolButtonCount; ++i)
    toolIcons_[i] = LoadProgramIcon(kToolButtons[i].iconId, kToolIconSize);
}

// Centred on 700 x 500 (not 450); KeepCaptionOnScreen moves it onto a small screen.
RECT MainFrame::ComputeWindowRect() const {
  const int height = metrics_.cyCaption + metrics_.cyMenu + 4 * metrics_.cyBorder + 456;
  const int width = 4 * metrics_.cyBorder + 706;
  const int left = (metrics_.cxScreen - kClientWidth) / 2;
  const int top = (metrics_.cyScreen - 500) / 2;
  return {left, top, left + width, top + height};
}

// The formula above assumes one frame thickness; Windows draws others (padded
// borders, other themes), so the window is sized again until the client area is
// the 700 x 450 that every page is laid out for.
void MainFrame::FitClientArea() {
  RECT client{}, window{};
  GetClientRect(hwnd(), &client);
  GetWindowRect(hwnd(), &window);
  const int dx = kClientWidth - client.right;
  const int dy = kClientHeight - client.bottom;
  if (dx == 0 && dy == 0) return;
  SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left + dx,
               window.bottom - window.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// On a screen too small for the centred window the caption is kept inside the
// work area, where it can be reached and dragged.
void MainFrame::KeepCaptionOnScreen() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  const LONG width = window.right - window.left;
  const LONG height = window.bottom - window.top;
  const LONG left = std::clamp(window.left, work.left, std::max(work.left, work.right - width));
  const LONG top = std::clamp(window.top, work.top, std::max(work.top, work.bottom - height));
  if (left == window.left && top == window.top) return;
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Metrics, theme or compositor changed: Windows may draw another frame now.
void MainFrame::OnSystemChange() {
  ReadSystemMetrics();
  DisableCompositorFrame(hwnd());
  FitClientArea();
}

void MainFrame::LoadSettingsAndBackground() {
  background_.Reset();
  const LoadedSettings loaded = LoadSettings(dataDir_, exeDir_);
  settings_ = loaded.settings;
  settingsOwed_ = loaded.defaultsNotSaved;
  StartupStepDone("settings read");
  background_ = LoadBackgroundPicture(settings_.backgroundPath);
  captionBitmap_ = LoadCaptionBitmap(settings_.skinIndex);
  StartupStepDone("pictures loaded");
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
    case WM_INITMENU:
      menuPainter_.OnInitMenu(menu_, settings_.skinIndex);
      return 0;
    case WM_MEASUREITEM:
      if (wParam != 0) break;
      menuPainter_.OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DRAWITEM:
      if (wParam != 0) break;
      menuPainter_.OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_MENUCHAR:
      return menuPainter_.OnMenuChar(LOWORD(wParam), reinterpret_cast<HMENU>(lParam));
    case WM_MOVE:
    case WM_NOTIFY:
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case kThemeDrawsCaption:
    case kThemeDrawsFrame:
      return OnCaptionMessage(message, wParam, lParam);
    case WM_THEMECHANGED:
    case WM_SETTINGCHANGE:
    case WM_DWMCOMPOSITIONCHANGED:
      OnSystemChange();
      return OnCaptionMessage(message, wParam, lParam);
    case WM_NCLBUTTONDOWN:
      if (OnNcLButtonDown(lParam)) return 0;
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(lParam);
      return 0;
    case kCheckDataFiles:
      ReportMissingDataFiles();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) OnWindowBack();
      break;
    case WM_SIZE:
      if (wParam == SIZE_RESTORED) OnWindowBack();
      break;
    case kLearnerFolderMessage:
      ReportLearnerFolder();
      return 0;
    case WM_ENDSESSION:
      if (wParam) StoreOwedFiles(false);
      return 0;
    case WM_DESTROY:
      StopSounds();
      StoreOwedFiles(true);
      SetMenu(hwnd(), nullptr);  // the menu is ours to destroy
      PostQuitMessage(0);
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

// The erase covers exactly what was invalidated: the whole page, the strip band
// during a slide, or the cells a key changed.
BOOL MainFrame::OnEraseBkgnd(HDC dc) {
  DrawPictureArea(dc, background_.get(), 0, 0, kClientWidth, kClientHeight,
                  SkinAt(settings_.skinIndex).plainFill);
  return TRUE;
}

void MainFrame::OnPaint() {
  PaintDC dc(hwnd());
  const Palette colors = palette();
  DrawPageFrame(dc.get(), slide_, colors, {toolIcons_, toolButtons_.offsets().data()});
  if (framedButton_.button >= 0)
    DrawToolButtonFrame(dc.get(), framedButton_.button, framedButton_.pressed);
  if (slide_.state() != StripState::Hidden) return;
  switch (page_) {
    case Page::Author:
      DrawAuthorPage(dc.get(), colors);
      if (dedicationShown_) DrawDedicationPanel(dc.get(), dedicationPicture_.get());
      break;
    case Page::ScoreSheet:
      DrawScoreSheet(dc.get(), histories_, colors);
      break;
    case Page::KeyboardLayout:
      DrawKeyboardLayoutPage(dc.get(), layoutPicture_.get(), colors);
      break;
    default:
      if (LevelOfPage(page_) >= 0)
        DrawLevelPage(dc.get(), exercise_, result_, colors, hintPicture_.get());
  }
}

void MainFrame::OnTimer(UINT_PTR id) {
  if (id == kTipTimer) OnTipTick();
  if (id != kSlideTimer) return;
  // A tick queued before the slide ended is stale.
  if (!slide_.sliding()) {
    KillTimer(hwnd(), kSlideTimer);
    return;
  }
  if (!slide_.Tick()) {
    const RECT band{0, 0, kClientWidth, kSlideBandHeight};
    RedrawWindow(hwnd(), &band, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return;
  }
  KillTimer(hwnd(), kSlideTimer);
  if (slide_.state() == StripState::Hidden) OnPageShown();
  RedrawAll();
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

// The sound library and files are loaded when a level is chosen, while the strip
// slides: start-up and the home page do not pay for them.
void MainFrame::PrepareKeySounds() {
  const std::string sounds[] = {exeDir_ + kRightKeySound, exeDir_ + kWrongKeySound,
                                exeDir_ + kSelectSound};
  PrepareSounds(sounds, 3);
}

void MainFrame::StartSlide(bool away) {
  if (away)
    slide_.SlideAway();
  else
    slide_.SlideBack();
  SetTimer(hwnd(), kSlideTimer, kSlidePeriodMs, nullptr);
}

}  // namespace kelp
