#pragma once

#include "appearance/skin_table.h"
#include "platform/frame_window.h"
#include "platform/gdi.h"
#include "practice/exercise_result.h"

#include <windows.h>

#include <ctime>
#include <string>

namespace kelp {

enum PracticePhase {
  PhaseIdle = 0,
  PhaseStart = 1,
  PhaseReady = 2,
  PhaseTyping = 3,
  PhaseFinished = 4,
  PhaseResult = 5,
};

enum ToolBarState {
  kStripShown = 0,
  kStripSlidingAway = 1,
  kStripHidden = 2,
  kStripSlidingBack = 3
};

constexpr int kHomePage = -1;
constexpr int kScoreSheetPage = 5;
constexpr int kAuthorPage = 9;
constexpr int kKeyboardLayoutPage = 10;

constexpr int kClientWidth = 700;
constexpr int kClientHeight = 450;
constexpr UINT_PTR kTipTimer = 1;
constexpr UINT_PTR kSlideTimer = 2;
constexpr int kToolButtonCount = 9;

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

struct ToolIcons {
  HICON appIcon = nullptr;
  HICON exitIcon = nullptr;
  HICON minimizeIcon = nullptr;
  HICON levelIcons[5] = {};
  HICON settingsIcon = nullptr;
  HICON scoreSheetIcon = nullptr;
};

// The one window of the program. It holds the whole program state; its member
// functions live in the folder of the subsystem they belong to.
class MainFrame : public FrameWindow {
 public:
  MainFrame();
  ~MainFrame() override;

  HACCEL accelerators() const { return accelerators_; }

  // Commands (the command table routes them; the tool strip calls them too).
  void OnLevel1() { OnLevel(0); }
  void OnLevel2() { OnLevel(1); }
  void OnLevel3() { OnLevel(2); }
  void OnLevel4() { OnLevel(3); }
  void OnLevel5() { OnLevel(4); }
  void OnLevel(int level);
  void ReturnToHomePage();
  void OnMinimize();
  void OnAppExit();
  void OnDeleteAllScores();

  // Keystrokes.
  void OnChar(unsigned code);
  void ShowDedication();

  // Settings file.
  void LoadSettings();
  void SaveSettings();
  ColorBlock colorBlock() const;
  void SetColorBlock(const ColorBlock& colors);

  // Painting.
  void DrawPageFrame(HDC dc);
  void DrawToolStrip(HDC dc, int x, int y, const int offsets[kToolButtonCount]);
  void RedrawAll();

  // The state record.
  ExerciseResult result;
  std::time_t startTime = 0;
  std::time_t endTime = 0;
  int practicePhase = PhaseIdle;
  POINT lastMouse{};
  std::string exeDir;
  int digitThreeCount = 0;
  int page = kHomePage;
  int cursor = -1;
  int slideStep = 0;
  int tipIndex = 0;
  int toolBarState = kStripShown;
  int buttonOffsets[kToolButtonCount] = {};
  char typedText[250] = {};
  char targetText[250] = {};
  std::string backgroundPath;
  COLORREF standardTextColor = 0;
  COLORREF errorTextColor = 0;
  COLORREF infoTextColor = 0;
  COLORREF levelColors[5] = {};
  Bitmap backgroundBitmap;
  Bitmap captionBitmap;
  Bitmap hintBitmap;
  RECT windowRect{};
  SystemMetrics metrics;
  ToolIcons icons;
  int skinIndex = 0;
  HMENU menu = nullptr;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ReadSystemMetrics();
  void LoadToolIcons();
  RECT ComputeWindowRect() const;
  bool OnCommand(WORD id);
  void OnTimer(UINT_PTR id);
  BOOL OnEraseBkgnd(HDC dc);
  void OnPaint();

  // Page entry shared by every page command. The paint handler draws the page.
  void OpenPage(int target, bool startsExercise);
  void PaintCurrentPage();
  void DrawSeparator(HDC dc, int y);
  void DrawSlidingAway(HDC dc);
  void DrawSlidingBack(HDC dc);

  // Level pages.
  void PaintLevelPage(int level);
  void LoadPassage(int level);
  void ReportMissingText(int level);
  void DrawPassage(HDC dc, int level);
  void DrawCursorMark(HDC dc, int level);
  void DrawTypedCells(HDC dc, int level);
  void DrawExercise(HDC dc, int level, bool cursorMark, bool typedCells, int framedCell);
  void DrawReadyPage(HDC dc, int level);
  void DrawTypingPage(HDC dc, int level);
  void FinishExercise(int level);
  void DrawResultPage(HDC dc, int level);
  void DrawHintPicture(HDC dc, int level);
  void RepaintRect(int left, int top, int right, int bottom);
  void PlaySoundFile(const char* name);
  void HighlightKey(HDC dc, char c);

  HACCEL accelerators_ = nullptr;
};

}  // namespace kelp
