// The session's decisions: commands, keys, ticks and the mouse.
#include "app/session.h"

#include "practice/key_boxes.h"
#include "resources/data_files.h"
#include "resources/resource_ids.h"

#include <utility>

namespace kelp {

namespace {

constexpr unsigned kBackspace = 8;
constexpr unsigned kEnter = 13;
constexpr unsigned kDigitThree = '3';
constexpr unsigned kLeftWindowsKey = 0x5B;  // VK_LWIN
constexpr unsigned kRightWindowsKey = 0x5C;
constexpr char kAskForEnglish[] = "请切换到英文输入状态后再打字。";
constexpr Rect kSlideBand{0, 0, kClientWidth, kSlideBandHeight};

// What a page reads when it is shown; `rereads`: also when chosen again or when the
// window comes back, since another program may change those files meanwhile.
struct PageRow {
  Page page;
  const char* picture;  // beside the program; level pages take their level's
  bool histories;
  bool rereads;
};

constexpr PageRow kPageRows[] = {
    {Page::Home, nullptr, false, false},
    {Page::ScoreSheet, nullptr, true, true},
    {Page::Author, nullptr, false, false},
    {Page::KeyboardLayout, kLayoutPicture, false, true},
};

PageRow RowOf(Page page) {
  if (const int level = LevelOfPage(page); level >= 0)
    return {page, kLevels[level].hintPicture, false, false};
  for (const PageRow& row : kPageRows)
    if (row.page == page) return row;
  return kPageRows[0];
}

void AddRects(Reaction& r, const KeystrokeRepaint& cells) {
  for (int i = 0; i < cells.count; ++i) r.repaint.push_back(cells.rects[i]);
}

}  // namespace

namespace {

Reaction Step(WindowStep step) {
  Reaction r;
  r.window = step;
  return r;
}

Reaction Open(Dialog dialog) {
  Reaction r;
  r.dialog = dialog;
  return r;
}

}  // namespace

const Session::CommandRow Session::kCommands[] = {
    {ID_LEVEL1, [](Session& s) { return s.OpenLevel(0); }},
    {ID_LEVEL2, [](Session& s) { return s.OpenLevel(1); }},
    {ID_LEVEL3, [](Session& s) { return s.OpenLevel(2); }},
    {ID_LEVEL4, [](Session& s) { return s.OpenLevel(3); }},
    {ID_LEVEL5, [](Session& s) { return s.OpenLevel(4); }},
    {ID_SCORE_SHEET, [](Session& s) { return s.OpenPage(Page::ScoreSheet); }},
    {ID_AUTHOR, [](Session& s) { return s.OpenPage(Page::Author); }},
    {ID_KEYBOARD_LAYOUT, [](Session& s) { return s.OpenPage(Page::KeyboardLayout); }},
    {ID_HOME, [](Session& s) { return s.ReturnToHomePage(); }},
    {ID_DELETE_SCORES, [](Session& s) { return s.DeleteAllScores(); }},
    {ID_APP_ABOUT, [](Session&) { return Open(Dialog::kAbout); }},
    {ID_SETTINGS, [](Session&) { return Open(Dialog::kSettings); }},
    {ID_BACKGROUND, [](Session&) { return Open(Dialog::kBackground); }},
    {ID_MINIMIZE, [](Session&) { return Step(WindowStep::kMinimize); }},
    {ID_APP_EXIT, [](Session&) { return Step(WindowStep::kClose); }},
    {kEndNowCommand, [](Session&) { return Step(WindowStep::kEndNow); }},
};

const Session::CommandRow* Session::FindCommand(int id) {
  for (const CommandRow& row : kCommands)
    if (row.id == id) return &row;
  return nullptr;
}

Session::Session(SessionWorld world, std::string exeDir, const SettingsRecord& settings,
                 bool settingsOwed)
    : world_(std::move(world)),
      exeDir_(std::move(exeDir)),
      settings_(settings),
      settingsOwed_(settingsOwed) {}

bool Session::HandlesCommand(int id) {
  return SkinOfCommand(id) || FindCommand(id);
}

// The skins' commands are in the skin table.
std::optional<Reaction> Session::OnCommand(int id) {
  if (const std::optional<int> skin = SkinOfCommand(id)) return ChooseSkin(*skin);
  const CommandRow* row = FindCommand(id);
  if (!row) return std::nullopt;
  return row->run(*this);
}

const char* Session::pagePictureFile() const {
  return RowOf(page_).picture;
}

Reaction Session::OpenLevel(int level) {
  Reaction r = OpenPage(LevelPage(level));
  r.prepareSounds = true;
  return r;
}

// Choosing the page that is shown only repaints it. From a shown page the new one
// appears at once; otherwise the strip slides away first.
Reaction Session::OpenPage(Page target) {
  Reaction r;
  if (page_ == target) {
    if (slide_.state() != StripState::Hidden) return r;
    if (RowOf(page_).rereads) ShowPage(r);
    r.repaintAll = true;
    return r;
  }
  page_ = target;
  if (const int level = LevelOfPage(target); level >= 0) exercise_.RequestStart(level);
  if (slide_.state() == StripState::Hidden)
    ShowPage(r);
  else
    StartSlide(r, true);
  r.repaintAll = true;
  return r;
}

// The page becomes visible: it reads what it shows now, never in a paint.
void Session::ShowPage(Reaction& r) {
  const PageRow row = RowOf(page_);
  if (row.histories) ReadHistories();
  r.pagePicture = true;
  if (LevelOfPage(page_) >= 0 && exercise_.phase() == Phase::Start) StartPassage(r);
}

void Session::StartSlide(Reaction& r, bool away) {
  if (away)
    slide_.SlideAway();
  else
    slide_.SlideBack();
  r.slideTimer = SlideTimer::kStart;
}

// A text too short for the drawn offset counts as damaged, like a missing one; the
// page is left before the learner is told.
void Session::StartPassage(Reaction& r) {
  const int level = exercise_.level();
  const LevelInfo& info = kLevels[level];
  const std::optional<std::string> passage =
      world_.readPracticeText(level, world_.random() % info.offsetModulus, info.bytesRead);
  if (passage && exercise_.Begin(*passage, world_.now())) return;
  exercise_.Abandon();
  page_ = Page::Home;
  r.notice = Notice::kMissingText;
  r.levels = {level};
}

// The score sheet draws what the files hold when it is shown.
void Session::ReadHistories() {
  for (int level = 0; level < kLevelCount; ++level) histories_[level] = world_.readHistory(level);
}

Reaction Session::ReturnToHomePage() {
  Reaction r;
  if (StripShown()) return r;
  exercise_.Abandon();
  page_ = Page::Home;
  StartSlide(r, false);
  r.repaintAll = true;
  return r;
}

Reaction Session::DeleteAllScores() {
  Reaction r;
  r.levels = world_.emptyHistories();
  ReadHistories();
  r.repaintAll = true;
  if (!r.levels.empty()) r.notice = Notice::kScoresNotEmptied;
  return r;
}

// Choosing the skin in use changes nothing. A settings file that cannot be written
// leaves the new look in use, to be stored later.
Reaction Session::ChooseSkin(int skin) {
  Reaction r;
  const std::optional<SkinChange> change =
      kelp::ChooseSkin(settings_, skin, exeDir_, world_.samePath);
  if (!change) return r;
  settingsOwed_ = !world_.storeSettings(change->settings);
  ApplySettings(r, change->settings, change->captionChanged);
  return r;
}

// The picture was read and checked before; a file that cannot be written keeps the
// old background.
Reaction Session::OnBackgroundChosen(const SettingsRecord& settings) {
  Reaction r;
  if (!world_.storeSettings(settings)) {
    r.notice = Notice::kBackgroundNotSaved;
    return r;
  }
  settingsOwed_ = false;
  ApplySettings(r, settings, false);
  r.newBackground = true;
  return r;
}

// OK stores the colours even when nothing changed; a file that cannot be written
// stores them later.
Reaction Session::OnColorsChosen(const Palette& colors) {
  Reaction r;
  SettingsRecord settings = settings_;
  settings.colors = ColorBlockOf(colors);
  settingsOwed_ = !world_.storeSettings(settings);
  ApplySettings(r, settings, false);
  return r;
}

void Session::ApplySettings(Reaction& r, const SettingsRecord& settings, bool skinChanged) {
  r.newSettings = true;
  r.newBackground = settings.backgroundPath != settings_.backgroundPath;
  r.newSkin = skinChanged;
  settings_ = settings;
  r.repaintAll = true;
}

Reaction Session::OnChar(unsigned code) {
  Reaction r;
  const bool active = LevelOfPage(page_) >= 0 && exercise_.active();
  if (active && code >= 32 && code <= 126) {
    TypeKey(r, static_cast<char>(code));
  } else if (active && code == kBackspace) {
    Backspace(r);
  } else if (!active && code == kEnter) {
    // On a result page this starts the next passage; elsewhere it shows nothing.
    exercise_.RequestStart(LevelOfPage(page_));
    if (slide_.state() == StripState::Hidden) ShowPage(r);
    r.repaintAll = true;
  }
  if (code > 126 && LevelOfPage(page_) >= 0 && slide_.state() == StripState::Hidden) {
    asksForEnglish_ = true;
    r.drawTip = true;
  }
  if (code == kDigitThree) CountThree(r);
  return r;
}

Reaction Session::OnKeyDown(unsigned key) {
  windowsKeyAlone_ = key == kLeftWindowsKey || key == kRightWindowsKey;
  return {};
}

Reaction Session::OnKeyUp(unsigned key) {
  Reaction r;
  if ((key == kLeftWindowsKey || key == kRightWindowsKey) && windowsKeyAlone_)
    r.window = WindowStep::kMinimize;
  windowsKeyAlone_ = false;
  return r;
}

std::string_view Session::tipText() const {
  return asksForEnglish_ ? kAskForEnglish : tips_.Current();
}

// Keys count only while a passage is shown, and never past its last cell. The score
// is stored on the key that ends the exercise.
void Session::TypeKey(Reaction& r, char c) {
  const int framedBefore = exercise_.cursor() + 1;
  const KeyOutcome outcome = exercise_.Type(c, world_.now());
  if (!outcome.stored) return;
  r.sound = outcome.right ? kRightKeySound : kWrongKeySound;
  if (outcome.finished) {
    const int level = exercise_.level();
    result_.Evaluate(exercise_.passage(), exercise_.typed(), level, exercise_.elapsedSeconds());
    result_.scoreSaved = world_.storeScore(level, result_.score);
    exercise_.ShowResult();
    r.repaintAll = true;
    return;
  }
  AddRects(r, PrintableKeyRepaint(exercise_.cursor()));
  MoveKeyFrame(r, framedBefore, exercise_.cursor() + 1);
}

void Session::Backspace(Reaction& r) {
  const int framedBefore = exercise_.cursor() + 1;
  if (!exercise_.Backspace()) return;
  const int n = exercise_.cursor();
  AddRects(r, BackspaceRepaint(n));
  MoveKeyFrame(r, framedBefore, n + 1);
  r.sound = kRightKeySound;
}

// The frame on the key of passage cell `cell`, on the levels with a keyboard picture.
std::optional<Rect> Session::KeyFrameAt(int cell) const {
  if (!kLevels[exercise_.level()].hintPicture || cell < 0 || cell >= exercise_.length()) return {};
  return FindKeyBox(static_cast<unsigned char>(exercise_.passageAt(cell)));
}

// A frame that stays on its key is left as it is.
void Session::MoveKeyFrame(Reaction& r, int fromCell, int toCell) const {
  const std::optional<Rect> from = KeyFrameAt(fromCell), to = KeyFrameAt(toCell);
  if (from && to && from->left == to->left && from->top == to->top) return;
  if (from) r.repaint.push_back(*from);
  if (to) r.repaint.push_back(*to);
}

void Session::CountThree(Reaction& r) {
  r.dedication = CountDigitThree(dedication_, page_ == Page::Author);
}

Reaction Session::OnSlideTick() {
  Reaction r;
  // A tick queued before the slide ended is stale.
  if (!slide_.sliding()) {
    r.slideTimer = SlideTimer::kStop;
    return r;
  }
  if (!slide_.Tick()) {
    r.repaint.push_back(kSlideBand);
    return r;
  }
  r.slideTimer = SlideTimer::kStop;
  if (slide_.state() == StripState::Hidden) ShowPage(r);
  r.repaintAll = true;
  return r;
}

Reaction Session::OnTipTick() {
  tips_.Advance();
  asksForEnglish_ = false;
  Reaction r;
  r.drawTip = true;
  return r;
}

// Moved buttons are repainted at once, the entered one with its frame drawn over.
void Session::ApplyToolChange(Reaction& r, const ToolMouseChange& change) const {
  for (int i = 0; i < kToolButtonCount; ++i)
    if (change.Repaints(i)) r.repaint.push_back(ToolButtonRect(i));
  r.framedButton = change.entered;
  r.framePressed = change.pressed;
  if (change.entered >= 0) r.sound = kSelectSound;
}

Reaction Session::OnMouseMove(unsigned flags, Point point) {
  Reaction r;
  ApplyToolChange(r, toolButtons_.OnMouseMove(flags, point, StripShown()));
  return r;
}

Reaction Session::OnLButtonDown(unsigned flags, Point point) {
  Reaction r;
  ApplyToolChange(r, toolButtons_.OnLButtonDown(flags, point, StripShown()));
  return r;
}

// The window is repainted before the button acts: no frame stays behind a dialog.
Reaction Session::OnLButtonUp(Point point) {
  const ToolRelease release = toolButtons_.OnLButtonUp(point, StripShown());
  if (release.returnHome) return ReturnToHomePage();
  if (!release.command) return {};
  Reaction r = OnCommand(release.command).value_or(Reaction{});
  r.repaintAll = true;
  return r;
}

Reaction Session::OnWindowActivatedOrRestored() {
  Reaction r;
  if (slide_.state() != StripState::Hidden || !RowOf(page_).rereads) return r;
  ShowPage(r);
  r.invalidateAll = true;
  return r;
}

}  // namespace kelp
