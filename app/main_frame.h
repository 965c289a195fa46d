#pragma once

#include "app/page_frame_view.h"
#include "app/page_state.h"
#include "app/tool_buttons.h"
#include "pages/tips.h"
#include "appearance/palette.h"
#include "appearance/settings_file.h"
#include "appearance/skinned_menu.h"
#include "pages/dedication.h"
#include "platform/frame_window.h"
#include "platform/gdi.h"
#include "practice/exercise.h"
#include "practice/exercise_result.h"
#include "scores/owed_scores.h"
#include "resource_ids.h"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

namespace kelp {

// The task bar's title, also the caption of the program's messages.
constexpr char kWindowTitle[] = "Kelp专业打字练习III(最终版)";
// The sounds beside the program.
constexpr char kRightKeySound[] = "KP.WAV";
constexpr char kWrongKeySound[] = "ERR.WAV";
constexpr char kSelectSound[] = "SEL1.WAV";
constexpr UINT_PTR kTipTimer = 1;
constexpr UINT_PTR kSlideTimer = 2;

struct SystemMetrics {
  int cyCaption = 0;
  int cyMenu = 0;
  int cyBorder = 0;
  int cxScreen = 0;
  int cyScreen = 0;
  COLORREF colorBtnFace = 0;
  COLORREF colorWindowText = 0;
  Font captionFont;
};

// The caption picture of a skin, loaded when the skin is set.
Bitmap LoadCaptionBitmap(int skin);

// The one window of the program. It owns the models, turns each message into
// model operations, invalidates what changed and paints through the views.
class MainFrame : public FrameWindow {
 public:
  MainFrame();
  ~MainFrame() override;

  HACCEL accelerators() const { return accelerators_; }
  const ToolStripSlide& slide() const { return slide_; }
  const Exercise& exercise() const { return exercise_; }

  // Commands (the command table routes them; the tool strip calls them too).
  void OnLevel(int level);
  // Page entry shared by every page command.
  void OpenPage(Page target);
  void ReturnToHomePage();
  void OnMinimize();
  void OnAppExit();
  void OnDeleteAllScores();
  void OnAbout();
  // Ends the program at once: the window goes and the message loop with it.
  void OnExitNow();
  void OnSkin(int skin);
  void OnChooseBackground();
  void OnSettings();
  void OnChar(unsigned code);
  // Whether a menu or accelerator command has a handler of the frame.
  static bool HandlesCommand(WORD id);
  void RedrawAll();

 private:
  Palette palette() const { return PaletteOf(settings_.colors); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ReadSystemMetrics();
  void LoadToolIcons();
  RECT ComputeWindowRect() const;
  bool OnCommand(WORD id);
  void OnTimer(UINT_PTR id);
  BOOL OnEraseBkgnd(HDC dc);
  void OnPaint();
  void PrepareKeySounds();
  LRESULT OnCaptionMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void PaintCaption();
  void OnTipTick();
  void DrawCurrentTip();
  void FitClientArea();
  void KeepCaptionOnScreen();
  void OnSystemChange();
  bool OnNcLButtonDown(LPARAM screenPoint);
  void OnMouseMove(WPARAM flags, LPARAM point);
  void OnLButtonDown(WPARAM flags, LPARAM point);
  void OnLButtonUp(LPARAM point);
  void ApplyToolChange(const ToolMouseChange& change);
  void RunToolAction(ToolAction action);
  bool StripShown() const;

  void LoadSettingsAndBackground();
  // `picture`, when given, is the one already read from the new path.
  void ApplySettings(const SettingsRecord& settings, bool captionChanged,
                     Bitmap picture = Bitmap());
  void StartSlide(bool away);
  void OnPageShown();
  void ReadPageFiles();
  void OnWindowBack();
  void ReadHistories();
  void ReportLearnerFolder();
  void StoreOwedFiles(bool tellWhatIsLost);
  void StartPassage();
  void ReportMissingText(int level);
  void ReportMissingDataFiles();
  void OnPrintableKey(char c);
  void OnBackspace();
  void FinishExercise();
  void AddKeyFrame(RepaintRegion& changed, int cell) const;

  void PlaySoundFile(const char* name);
  void OnDigitThree();

  std::string exeDir_;
  std::string dataDir_;  // the learner's files: exeDir_, or a folder of theirs when it takes none
  OwedScores owedScores_;
  bool settingsOwed_ = false;  // settings_ are not in skd.kpd yet
  SettingsRecord settings_;
  Bitmap background_;
  Bitmap hintPicture_;
  Page page_ = Page::Home;
  ToolStripSlide slide_;
  Exercise exercise_;
  ExerciseResult result_;
  DedicationCounter dedication_;
  Bitmap dedicationPicture_;
  bool dedicationShown_ = false;  // only while the panel is being painted
  Bitmap layoutPicture_;
  HICON toolIcons_[kToolButtonCount] = {};
  ToolButtons toolButtons_;
  struct FramedButton {
    int button = -1;
    bool pressed = false;
  } framedButton_;  // only while the entered button is being painted
  TipRotation tips_;
  Bitmap captionBitmap_;
  Bitmap powerGlyph_ = LoadBitmapResource(IDB_POWER);
  std::array<std::vector<float>, kLevelCount> histories_;  // read when the score sheet opens
  SystemMetrics metrics_;
  HICON appIcon_ = nullptr;
  HMENU menu_ = nullptr;
  SkinnedMenu menuPainter_;
  HACCEL accelerators_ = nullptr;
};

}  // namespace kelp
