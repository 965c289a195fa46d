// The frame: creation and sizing, message routing, and applying the session's reactions.
#include "app/main_frame.h"

#include "app/notices.h"
#include "app/page_frame_view.h"
#include "app/tool_button_view.h"
#include "appearance/background.h"
#include "appearance/settings_dialog.h"
#include "appearance/settings_store.h"
#include "data_files.h"
#include "pages/about_dialog.h"
#include "pages/author_page_view.h"
#include "platform/dwm.h"
#include "platform/files.h"
#include "platform/learner_folder.h"
#include "platform/same_path.h"
#include "platform/seams.h"
#include "platform/sound.h"
#include "platform/work_area.h"
#include "program_texts.h"
#include "resource_ids.h"
#include "scores/score_history.h"
#include "scores/score_store.h"

#include <imm.h>

#include <algorithm>

namespace kelp {

namespace {

constexpr UINT kTipPeriodMs = 4000;
constexpr UINT kSlidePeriodMs = 30;
// Posted at start-up: the files are looked for once the window shows.
constexpr UINT kCheckDataFiles = WM_APP + 1;
constexpr UINT kLearnerFolderMessage = WM_APP + 2;
// Undocumented: the theme engine draws the caption and the frame on these, and the
// menu bar on the two after.
constexpr UINT kThemeDrawsCaption = 0x00AE;
constexpr UINT kThemeDrawsFrame = 0x00AF;
constexpr UINT kThemeDrawsMenuBar = 0x0091;
constexpr UINT kThemeDrawsMenuItem = 0x0092;
// A key message for a key that was already down: auto-repeat.
constexpr LPARAM kKeyWasDown = 0x40000000;

// The practice texts beside the program, the learner's files in `dataDir`. A score its
// history does not take now is owed, and goes in with the next one of its level.
SessionWorld FilesOf(const std::string& exeDir, const std::string& dataDir, OwedScores& owed) {
  SessionWorld world;
  world.now = ClockSeconds;
  world.random = NextRandom;
  world.readPracticeText = [exeDir](int level, long offset, int count) {
    const std::string path = exeDir + kLevels[level].textFile;
    return FileExists(path) ? ReadFileRange(path, offset, count) : std::nullopt;
  };
  world.storeScore = [dataDir, &owed](int level, float score) {
    owed.Add(level, score);
    return StoreOwedScores(dataDir, owed, level);
  };
  world.readHistory = [dataDir](int level) { return ReadScores(dataDir, level); };
  world.emptyHistories = [dataDir, &owed] {
    owed.SettleAll();
    return DeleteAllScores(dataDir);
  };
  world.storeSettings = [dataDir](const SettingsRecord& s) { return SaveSettings(dataDir, s); };
  world.samePath = SameFilePath;
  return world;
}

std::vector<std::string> LearnerFileNames() {
  std::vector<std::string> names{kSettingsFileName};
  for (int level = 0; level < kLevelCount; ++level) names.push_back(ScoreFileName(level));
  return names;
}

Point ClientPoint(LPARAM point) {
  return {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
}

}  // namespace

MainFrame::MainFrame() : exeDir_(ExecutableDirectory()) {
  ReadSystemMetrics();
  LoadToolIcons();
  StartupStepDone("icons loaded");
  menu_ = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
  Create(kProgramTitle, WS_CAPTION, WS_EX_CLIENTEDGE, ComputeWindowRect(), menu_, IDI_APP);
  DisableCompositorFrame(hwnd());
  FitClientArea();
  KeepCaptionOnScreen();
  TakeNoInputMethod();
  accelerators_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
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

void MainFrame::LoadToolIcons() {
  // The strip's icons are drawn at 32 x 32 on every scaling.
  for (int i = 0; i < kToolButtonCount; ++i)
    toolIcons_[i] = LoadIconResource(kToolButtons[i].iconId, kToolIconSize);
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
  const POINT at = PlaceInWorkArea(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), window);
  if (at.x == window.left && at.y == window.top) return;
  SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Metrics, theme, colours, compositor or displays changed: Windows may draw another
// frame now. A new display or work area may leave the caption where none can reach it;
// other changes leave the window where the learner put it.
void MainFrame::OnSystemChange(UINT message, WPARAM wParam) {
  ReadSystemMetrics();
  DisableCompositorFrame(hwnd());
  FitClientArea();
  if (message == WM_DISPLAYCHANGE || (message == WM_SETTINGCHANGE && wParam == SPI_SETWORKAREA))
    KeepCaptionOnScreen();
}

// No input method for the main window: with a Chinese one on, letters would go into its
// composition window instead of reaching the exercise as WM_CHAR. The dialogs keep theirs.
void MainFrame::TakeNoInputMethod() {
  ImmAssociateContextEx(hwnd(), nullptr, 0);
}

void MainFrame::LoadSettingsAndBackground() {
  const LoadedSettings loaded = LoadSettings(dataDir_, exeDir_);
  session_ = std::make_unique<Session>(FilesOf(exeDir_, dataDir_, owedScores_), exeDir_,
                                       loaded.settings, loaded.defaultsNotSaved);
  StartupStepDone("settings read");
  background_ = Picture(LoadBackgroundPicture(loaded.settings.backgroundPath));
  captionBitmap_ = LoadCaptionBitmap(loaded.settings.skinIndex);
  StartupStepDone("pictures loaded");
}

LRESULT MainFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:  // the paint draws the background
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_TIMER:
      if (wParam == kTipTimer) Apply(session_->OnTipTick());
      if (wParam == kSlideTimer) Apply(session_->OnSlideTick());
      return 0;
    case WM_COMMAND:
      if (const std::optional<Reaction> r = session_->OnCommand(LOWORD(wParam))) {
        Apply(*r);
        return 0;
      }
      break;
    case WM_CHAR:
      Apply(session_->OnChar(static_cast<unsigned>(wParam)));
      break;           // then the default handling
    case WM_IME_CHAR:  // no default handling: it would send the character again
      Apply(session_->OnChar(static_cast<unsigned>(wParam)));
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!(lParam & kKeyWasDown)) Apply(session_->OnKeyDown(static_cast<unsigned>(wParam)));
      break;
    case WM_KEYUP:
      Apply(session_->OnKeyUp(static_cast<unsigned>(wParam)));
      break;
    case WM_INPUTLANGCHANGEREQUEST:
    case WM_INPUTLANGCHANGE:
    case WM_KILLFOCUS:
      session_->OnKeyboardTaken();
      break;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
      return 0;  // the main window composes nothing
    case WM_IME_SETCONTEXT:
      return DefaultProc(message, wParam, lParam & ~static_cast<LPARAM>(ISC_SHOWUIALL));
    case WM_SETFOCUS:
      TakeNoInputMethod();
      break;
    case WM_INITMENU:
      menuPainter_.OnInitMenu(menu_, session_->settings().skinIndex);
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
    case WM_EXITMENULOOP:
    case WM_UPDATEUISTATE:
    case kThemeDrawsCaption:
    case kThemeDrawsFrame:
    case kThemeDrawsMenuBar:
    case kThemeDrawsMenuItem:
      return OnCaptionMessage(message, wParam, lParam);
    case WM_THEMECHANGED:
    case WM_SETTINGCHANGE:
    case WM_DWMCOMPOSITIONCHANGED:
    case WM_SYSCOLORCHANGE:
    case WM_DISPLAYCHANGE:
      OnSystemChange(message, wParam);
      return OnCaptionMessage(message, wParam, lParam);
    case WM_NCLBUTTONDOWN:
      if (OnPowerGlyphPress(lParam)) return 0;
      break;
    case WM_MOUSEMOVE:
      Apply(session_->OnMouseMove(static_cast<unsigned>(wParam), ClientPoint(lParam)));
      return 0;
    case WM_LBUTTONDOWN:
      Apply(session_->OnLButtonDown(static_cast<unsigned>(wParam), ClientPoint(lParam)));
      return 0;
    case WM_LBUTTONUP:
      Apply(session_->OnLButtonUp(ClientPoint(lParam)));
      return 0;
    case WM_ACTIVATE:
      TakeNoInputMethod();
      if (LOWORD(wParam) != WA_INACTIVE) Apply(session_->OnWindowActivatedOrRestored());
      break;
    case WM_SIZE:
      if (wParam == SIZE_RESTORED) Apply(session_->OnWindowActivatedOrRestored());
      break;
    case kCheckDataFiles:
      ReportMissingDataFiles();
      return 0;
    case kLearnerFolderMessage:
      ShowNotice(hwnd(), Notice::kLearnerFolder, {}, dataDir_);
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

// Pictures first, then the repaints, what is drawn over them, the sound, the timer,
// and last what opens a window or ends the program: nothing stale shows under it.
void MainFrame::Apply(const Reaction& r) {
  ApplyPictures(r);
  RepaintRegion changed;
  for (const Rect& rect : r.repaint) changed.Add(ToRECT(rect));
  changed.RepaintNow(hwnd());
  if (r.repaintAll) RedrawAll();
  if (r.invalidateAll) InvalidateRect(hwnd(), nullptr, TRUE);
  DrawOverlays(r);
  if (r.drawTip) DrawCurrentTip();
  if (r.sound) PlaySoundAsync(exeDir_ + r.sound);
  if (r.slideTimer == SlideTimer::kStart) SetTimer(hwnd(), kSlideTimer, kSlidePeriodMs, nullptr);
  if (r.slideTimer == SlideTimer::kStop) KillTimer(hwnd(), kSlideTimer);
  OpenDialog(r.dialog);
  if (r.notice != Notice::kNone) ShowNotice(hwnd(), r.notice, r.levels, dataDir_);
  ApplyWindowStep(r.window);
}

// The sound library and files are loaded when a level is chosen, while the strip
// slides: start-up and the home page do not pay for them.
void MainFrame::ApplyPictures(const Reaction& r) {
  if (r.prepareSounds) {
    const std::string sounds[] = {exeDir_ + kRightKeySound, exeDir_ + kWrongKeySound,
                                  exeDir_ + kSelectSound};
    PrepareSounds(sounds, 3);
  }
  if (r.pagePicture) {
    const char* file = session_->pagePictureFile();
    pagePicture_ = Picture(file ? LoadBitmapFile(exeDir_ + file) : Bitmap());
  }
  if (r.newBackground || (r.newSettings && !background_)) {
    background_ = Picture(chosenBackground_ ? std::move(chosenBackground_)
                                            : LoadBackgroundPicture(session_->settings().backgroundPath));
  }
  if (r.newSkin) {
    captionBitmap_ = LoadCaptionBitmap(session_->settings().skinIndex);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
}

// Drawn straight onto the client area after the repaint: the next repaint of that
// area leaves them out.
void MainFrame::DrawOverlays(const Reaction& r) {
  if (r.framedButton >= 0) {
    const WindowDC dc(hwnd(), WindowDC::kClient);
    DrawToolButtonFrame(dc.get(), r.framedButton, r.framePressed);
  }
  if (!r.dedication) return;
  if (!dedicationPicture_) dedicationPicture_ = LoadBitmapResource(IDB_DEDICATION);
  RepaintRegion panel;
  panel.Add(DedicationPanelArea(WindowDC(hwnd(), WindowDC::kClient).get()));
  panel.RepaintNow(hwnd());
  DrawDedicationPanel(WindowDC(hwnd(), WindowDC::kClient).get(), dedicationPicture_.get());
}

void MainFrame::OpenDialog(Dialog dialog) {
  switch (dialog) {
    case Dialog::kNone:
      return;
    case Dialog::kAbout:
      ShowAboutBox(hwnd());
      return;
    case Dialog::kSettings:
      if (const std::optional<Palette> chosen = RunSettingsDialog(hwnd(), session_->palette()))
        Apply(session_->OnColorsChosen(*chosen));
      return;
    case Dialog::kBackground:
      if (std::optional<ChosenBackground> chosen = ChooseBackground(hwnd(), session_->settings())) {
        chosenBackground_ = std::move(chosen->picture);
        Apply(session_->OnBackgroundChosen(chosen->settings));
        chosenBackground_.Reset();
      }
      return;
  }
}

// Ending at once uses nothing of the frame after it; files are replaced atomically,
// so a score being stored is whole.
void MainFrame::ApplyWindowStep(WindowStep step) {
  if (step == WindowStep::kMinimize) SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  if (step == WindowStep::kClose) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
  if (step == WindowStep::kEndNow) DestroyWindow(hwnd());
}

void MainFrame::RedrawAll() {
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// As the program ends, what could not be stored yet is tried once more; what still
// cannot be is lost, and named when `tellWhatIsLost`.
void MainFrame::StoreOwedFiles(bool tellWhatIsLost) {
  std::string lost;
  if (session_->settingsOwed() && SaveSettings(dataDir_, session_->settings()))
    session_->SettingsStored();
  if (session_->settingsOwed()) lost += "\n" + dataDir_ + kSettingsFileName + "（当前设置）";
  for (int level = 0; level < kLevelCount; ++level) {
    const std::size_t count = owedScores_.Of(level).size();
    if (!StoreOwedScores(dataDir_, owedScores_, level))
      lost += "\n" + dataDir_ + ScoreFileName(level) + "（" + std::to_string(count) + " 个成绩）";
  }
  if (tellWhatIsLost && !lost.empty()) ShowWhatIsLost(lost);
}

// A program started from inside its zip, or copied alone, finds none of its files:
// it says so once and goes on without them.
void MainFrame::ReportMissingDataFiles() {
  for (const char* name : kDataFiles)
    if (FileExists(exeDir_ + name)) return;
  ShowNotice(hwnd(), Notice::kMissingDataFiles, {}, exeDir_);
}

}  // namespace kelp
