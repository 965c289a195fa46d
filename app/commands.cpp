#include "app/caption_view.h"
#include "app/main_frame.h"
#include "appearance/background.h"
#include "appearance/settings_dialog.h"
#include "appearance/settings_store.h"
#include "appearance/skins.h"
#include "pages/about_dialog.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "data_files.h"
#include "platform/same_path.h"
#include "resource_ids.h"
#include "scores/score_history.h"
#include "scores/score_store.h"

namespace kelp {

namespace {

struct CommandRoute {
  WORD id;
  void (*handler)(MainFrame&);
};

constexpr CommandRoute kCommandRoutes[] = {
    {ID_LEVEL1, [](MainFrame& f) { f.OnLevel(0); }},
    {ID_LEVEL2, [](MainFrame& f) { f.OnLevel(1); }},
    {ID_LEVEL3, [](MainFrame& f) { f.OnLevel(2); }},
    {ID_LEVEL4, [](MainFrame& f) { f.OnLevel(3); }},
    {ID_LEVEL5, [](MainFrame& f) { f.OnLevel(4); }},
    {ID_MINIMIZE, [](MainFrame& f) { f.OnMinimize(); }},
    {ID_HOME, [](MainFrame& f) { f.ReturnToHomePage(); }},
    {ID_APP_EXIT, [](MainFrame& f) { f.OnAppExit(); }},
    {ID_DELETE_SCORES, [](MainFrame& f) { f.OnDeleteAllScores(); }},
    {ID_AUTHOR, [](MainFrame& f) { f.OpenPage(Page::Author); }},
    {ID_KEYBOARD_LAYOUT, [](MainFrame& f) { f.OpenPage(Page::KeyboardLayout); }},
    {ID_APP_ABOUT, [](MainFrame& f) { f.OnAbout(); }},
    {ID_SCORE_SHEET, [](MainFrame& f) { f.OpenPage(Page::ScoreSheet); }},
    {ID_BACKGROUND, [](MainFrame& f) { f.OnChooseBackground(); }},
    {ID_SETTINGS, [](MainFrame& f) { f.OnSettings(); }},
};

constexpr char kErrorCaption[] = "Kelp错误提示";
constexpr char kLayoutPictureFile[] = "kb0.kpd";

const CommandRoute* FindRoute(WORD id) {
  for (const CommandRoute& route : kCommandRoutes) {
    if (route.id == id) return &route;
  }
  return nullptr;
}

}  // namespace

bool MainFrame::HandlesCommand(WORD id) {
  return SkinOfCommand(id) || FindRoute(id);
}

bool MainFrame::OnCommand(WORD id) {
  if (const std::optional<int> skin = SkinOfCommand(id)) {
    OnSkin(*skin);
    return true;
  }
  const CommandRoute* route = FindRoute(id);
  if (route) route->handler(*this);
  return route != nullptr;
}

void MainFrame::OnLevel(int level) {
  PrepareKeySounds();
  OpenPage(LevelPage(level));
}

// Choosing the page that is shown only repaints it. From a shown page the new one
// appears at once; otherwise the strip slides away first.
void MainFrame::OpenPage(Page target) {
  if (page_ == target) {
    if (slide_.state() != StripState::Hidden) return;
    ReadPageFiles();
    RedrawAll();
    return;
  }
  page_ = target;
  if (const int level = LevelOfPage(target); level >= 0) exercise_.RequestStart(level);
  if (slide_.state() == StripState::Hidden)
    OnPageShown();
  else
    StartSlide(true);
  RedrawAll();
}

// The page becomes visible: it loads what it shows now, never in a paint.
void MainFrame::OnPageShown() {
  ReadPageFiles();
  if (LevelOfPage(page_) >= 0 && exercise_.phase() == Phase::Start) StartPassage();
}

// The layout picture and the histories may be changed by another program: they
// are read when their page is shown, chosen again or comes back into view.
void MainFrame::ReadPageFiles() {
  if (page_ == Page::KeyboardLayout) layoutPicture_ = LoadBitmapFile(exeDir_ + kLayoutPictureFile);
  if (page_ == Page::ScoreSheet) ReadHistories();
}

// The window was activated or restored.
void MainFrame::OnWindowBack() {
  if (slide_.state() != StripState::Hidden) return;
  if (page_ != Page::KeyboardLayout && page_ != Page::ScoreSheet) return;
  ReadPageFiles();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainFrame::OnAbout() {
  ShowAboutBox(hwnd());
}

void MainFrame::ReturnToHomePage() {
  if (slide_.state() == StripState::Shown) return;
  exercise_.Abandon();
  page_ = Page::Home;
  StartSlide(false);
  RedrawAll();
}

void MainFrame::OnDeleteAllScores() {
  const std::vector<int> failed = DeleteAllScores(dataDir_);
  owedScores_.SettleAll();
  ReadHistories();
  RedrawAll();
  if (failed.empty()) return;
  std::string text = "以下成绩文件无法删除：";
  for (int level : failed) text += "\n" + dataDir_ + ScoreFileName(level);
  MessageBoxW(hwnd(), Widen(text).c_str(), Widen(kErrorCaption).c_str(), MB_OK | MB_ICONERROR);
}

void MainFrame::ReportMissingText(int level) {
  // Leave the page first: paints that run under the message box must not show it.
  exercise_.Abandon();
  page_ = Page::Home;
  const std::string text =
      std::string("出错：") + kLevels[level].textFile + " 文件丢失或损坏，练习无法继续！";
  MessageBoxW(hwnd(), Widen(text).c_str(), Widen(kErrorCaption).c_str(), MB_OK | MB_ICONERROR);
}

// A program started from inside its zip, or copied alone, finds none of its
// files: it says so once and goes on without them.
void MainFrame::ReportMissingDataFiles() {
  for (const char* name : kDataFiles)
    if (FileExists(exeDir_ + name)) return;
  const std::string text = "Kelp 在它所在的文件夹里找不到自己的练习文本、图片和声音：\n\n" + exeDir_ +
                           "\n\n请先把压缩包里的全部文件解压到同一个文件夹，"
                           "再运行那里的 kelp.exe。";
  MessageBoxW(hwnd(), Widen(text).c_str(), Widen(kErrorCaption).c_str(), MB_OK | MB_ICONWARNING);
}

// Choosing the skin in use changes nothing. A settings file that cannot be
// written leaves the new look in memory, to be stored later.
void MainFrame::OnSkin(int skin) {
  const std::optional<SkinChange> change = ChooseSkin(settings_, skin, exeDir_, SameFilePath);
  if (!change) return;
  settingsOwed_ = !SaveSettings(dataDir_, change->settings);
  ApplySettings(change->settings, change->captionChanged);
}

// The picture is checked and read before anything changes; a file that cannot
// be written keeps the old background and says so.
void MainFrame::OnChooseBackground() {
  std::optional<ChosenBackground> chosen = ChooseBackground(hwnd(), settings_);
  if (!chosen) return;
  if (!SaveSettings(dataDir_, chosen->settings)) {
    ReportBackgroundNotSaved(hwnd());
    return;
  }
  settingsOwed_ = false;
  ApplySettings(chosen->settings, false, std::move(chosen->picture));
}

// OK writes the file even when nothing changed; Cancel changes nothing. A file that
// cannot be written is stored later.
void MainFrame::OnSettings() {
  const std::optional<Palette> chosen = RunSettingsDialog(hwnd(), palette());
  if (!chosen) return;
  SettingsRecord settings = settings_;
  settings.colors = ColorBlockOf(*chosen);
  settingsOwed_ = !SaveSettings(dataDir_, settings);
  ApplySettings(settings, false);
}

void MainFrame::ReportLearnerFolder() {
  const std::string text = "Kelp 所在的文件夹不能写入，你的设置和成绩将保存在：\n" + dataDir_;
  MessageBoxW(hwnd(), Widen(text).c_str(), Widen(kWindowTitle).c_str(), MB_OK | MB_ICONINFORMATION);
}

// As the program ends, what could not be stored yet is tried once more; what still
// cannot be is lost, and named when `tellWhatIsLost`. The window is going: the box
// has no owner.
void MainFrame::StoreOwedFiles(bool tellWhatIsLost) {
  std::string lost;
  if (settingsOwed_) settingsOwed_ = !SaveSettings(dataDir_, settings_);
  if (settingsOwed_) lost += "\n" + dataDir_ + kSettingsFileName + "（当前设置）";
  for (int level = 0; level < kLevelCount; ++level) {
    const std::size_t count = owedScores_.Of(level).size();
    if (!StoreOwedScores(dataDir_, owedScores_, level))
      lost += "\n" + dataDir_ + ScoreFileName(level) + "（" + std::to_string(count) + " 个成绩）";
  }
  if (!tellWhatIsLost || lost.empty()) return;
  const std::string text = "以下内容未能保存，Kelp 退出后将会丢失：" + lost;
  MessageBoxW(nullptr, Widen(text).c_str(), Widen(kErrorCaption).c_str(), MB_OK | MB_ICONWARNING);
}

void MainFrame::ApplySettings(const SettingsRecord& settings, bool captionChanged, Bitmap picture) {
  const bool newPicture = settings.backgroundPath != settings_.backgroundPath || !background_;
  settings_ = settings;
  if (picture)
    background_ = std::move(picture);
  else if (newPicture)
    background_ = LoadBackgroundPicture(settings_.backgroundPath);
  if (captionChanged) {
    captionBitmap_ = LoadCaptionBitmap(settings_.skinIndex);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
  RedrawAll();
}

// The score sheet draws what the files hold when it is shown.
void MainFrame::ReadHistories() {
  for (int level = 0; level < kLevelCount; ++level) histories_[level] = ReadScores(dataDir_, level);
}

}  // namespace kelp
