#pragma once

#include "app/page_state.h"
#include "app/tool_buttons.h"
#include "appearance/palette.h"
#include "appearance/settings_file.h"
#include "appearance/skins.h"
#include "pages/dedication.h"
#include "pages/tips.h"
#include "platform/geometry.h"
#include "practice/exercise.h"
#include "practice/exercise_result.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The program without its window: the page, the tool strip, the exercise and its
// result, the tips, the dedication count, the settings and the histories. Each input
// the window receives is one operation, and each says what the window does next.
namespace kelp {

// The files beside the program, the clock and chance, as the session meets them.
struct SessionWorld {
  std::function<long long()> now;  // whole seconds that never go back
  std::function<int()> random;     // 0..32767
  // `count` bytes of a level's practice text from `offset`, or nothing.
  std::function<std::optional<std::string>(int level, long offset, int count)> readPracticeText;
  std::function<bool(int level, float score)> storeScore;
  std::function<std::vector<float>(int level)> readHistory;
  // The levels whose history could not be emptied.
  std::function<std::vector<int>()> emptyHistories;
  std::function<bool(const SettingsRecord&)> storeSettings;
  SamePathTest samePath = nullptr;
};

enum class Notice {
  kNone,
  kMissingText,
  kScoresNotEmptied,
  kBackgroundNotSaved,
  kMissingDataFiles,
  kLearnerFolder,
};
enum class Dialog { kNone, kAbout, kSettings, kBackground };
enum class WindowStep { kNone, kMinimize, kClose, kEndNow };
enum class SlideTimer { kKeep, kStart, kStop };

// What follows an input, applied by the window in this order.
struct Reaction {
  bool prepareSounds = false;  // a level was chosen: the key sounds are wanted soon
  bool pagePicture = false;    // the shown page's picture is read again
  bool newSettings = false;    // the settings changed; the background is loaded if missing
  bool newBackground = false;  // the settings name another background picture
  bool newSkin = false;        // the caption picture and the title bar change
  std::vector<Rect> repaint;   // client rectangles, repainted at once
  bool repaintAll = false;     // the whole client area, at once
  bool invalidateAll = false;  // the whole client area, at the next paint
  int framedButton = -1;       // its frame is drawn over the repaint
  bool framePressed = false;
  bool dedication = false;  // the panel is drawn over the author page until a repaint
  bool drawTip = false;
  const char* sound = nullptr;  // a file beside the program
  SlideTimer slideTimer = SlideTimer::kKeep;
  Dialog dialog = Dialog::kNone;
  Notice notice = Notice::kNone;
  std::vector<int> levels;  // the levels a notice names
  WindowStep window = WindowStep::kNone;
};

class Session {
 public:
  // `settingsOwed`: the settings in use are not in the file yet.
  Session(SessionWorld world, std::string exeDir, const SettingsRecord& settings,
          bool settingsOwed = false);

  // Menu, accelerator and tool-button commands; nothing for an id without one.
  std::optional<Reaction> OnCommand(int id);
  static bool HandlesCommand(int id);
  // A character; one outside ASCII on a level page asks, in the tip row, for English input.
  Reaction OnChar(unsigned code);
  // Keys going down and up, as virtual-key codes: a Windows key minimises when it comes up
  // with no other key pressed since it went down.
  Reaction OnKeyDown(unsigned key);
  Reaction OnKeyUp(unsigned key);
  // The focus or the input language changed: a Windows key held now began a combination.
  void OnKeyboardTaken() { windowsKeyAlone_ = false; }
  Reaction OnSlideTick();
  Reaction OnTipTick();
  Reaction OnMouseMove(unsigned flags, Point point);
  Reaction OnLButtonDown(unsigned flags, Point point);
  Reaction OnLButtonUp(Point point);
  // The window was activated or restored.
  Reaction OnWindowActivatedOrRestored();
  // The dialogs' answers: they are stored, then in use.
  Reaction OnBackgroundChosen(const SettingsRecord& settings);
  Reaction OnColorsChosen(const Palette& colors);

  Page page() const { return page_; }
  const ToolStripSlide& slide() const { return slide_; }
  const Exercise& exercise() const { return exercise_; }
  const ExerciseResult& result() const { return result_; }
  // The tip row's text: the tip, or the request for English input until the next tip.
  std::string_view tipText() const;
  const SettingsRecord& settings() const { return settings_; }
  Palette palette() const { return PaletteOf(settings_.colors); }
  // Settings that could not be stored stay in use; the next change or the end stores them.
  bool settingsOwed() const { return settingsOwed_; }
  void SettingsStored() { settingsOwed_ = false; }
  const std::array<std::vector<float>, kLevelCount>& histories() const { return histories_; }
  const std::array<int, kToolButtonCount>& toolOffsets() const { return toolButtons_.offsets(); }
  // The picture the shown page draws, beside the program; nullptr for none.
  const char* pagePictureFile() const;

 private:
  Reaction OpenLevel(int level);
  Reaction OpenPage(Page target);
  Reaction ReturnToHomePage();
  Reaction DeleteAllScores();
  Reaction ChooseSkin(int skin);
  void ShowPage(Reaction& r);
  void ReadHistories();
  void StartSlide(Reaction& r, bool away);
  void StartPassage(Reaction& r);
  void TypeKey(Reaction& r, char c);
  void Backspace(Reaction& r);
  std::optional<Rect> KeyFrameAt(int cell) const;
  void MoveKeyFrame(Reaction& r, int fromCell, int toCell) const;
  void CountThree(Reaction& r);
  void ApplyToolChange(Reaction& r, const ToolMouseChange& change) const;
  void ApplySettings(Reaction& r, const SettingsRecord& settings, bool skinChanged);
  bool StripShown() const { return slide_.state() == StripState::Shown; }

  struct CommandRow {
    int id;
    Reaction (*run)(Session&);
  };
  static const CommandRow kCommands[];
  static const CommandRow* FindCommand(int id);

  SessionWorld world_;
  std::string exeDir_;
  SettingsRecord settings_;
  Page page_ = Page::Home;
  ToolStripSlide slide_;
  Exercise exercise_;
  ExerciseResult result_;
  DedicationCounter dedication_;
  TipRotation tips_;
  ToolButtons toolButtons_;
  std::array<std::vector<float>, kLevelCount> histories_;  // read when the score sheet shows
  bool asksForEnglish_ = false;
  bool settingsOwed_ = false;
  bool windowsKeyAlone_ = false;
};

}  // namespace kelp
