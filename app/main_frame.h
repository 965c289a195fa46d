#pragma once

#include "app/session.h"
#include "appearance/skinned_menu.h"
#include "platform/frame_window.h"
#include "platform/gdi.h"
#include "scores/owed_scores.h"

#include <windows.h>

#include <memory>
#include <string>

// The one window of the program: it cracks each message, hands it to the session,
// applies what comes back, owns the Win32 resources and paints the session's state.
namespace kelp {

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

class MainFrame : public FrameWindow {
 public:
  MainFrame();
  ~MainFrame() override;

  HACCEL accelerators() const { return accelerators_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Apply(const Reaction& r);
  void ApplyPictures(const Reaction& r);
  void DrawOverlays(const Reaction& r);
  void OpenDialog(Dialog dialog);
  void ApplyWindowStep(WindowStep step);
  void RedrawAll();

  void ReadSystemMetrics();
  void LoadToolIcons();
  RECT ComputeWindowRect() const;
  void FitClientArea();
  void KeepCaptionOnScreen();
  void OnSystemChange(UINT message, WPARAM wParam);
  void TakeNoInputMethod();
  void LoadSettingsAndBackground();

  void OnPaint();
  LRESULT OnCaptionMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void PaintCaption();
  void DrawCurrentTip();
  bool OnPowerGlyphPress(LPARAM screenPoint);
  void ReportMissingDataFiles();
  void StoreOwedFiles(bool tellWhatIsLost);

  std::string exeDir_;
  std::string dataDir_;  // the learner's files: exeDir_, or a folder of theirs when it takes none
  OwedScores owedScores_;
  std::unique_ptr<Session> session_;
  Picture background_;
  Bitmap chosenBackground_;  // read by the background dialog, in use once stored
  Picture pagePicture_;
  Bitmap dedicationPicture_;
  HICON toolIcons_[kToolButtonCount] = {};
  Bitmap captionBitmap_;
  Bitmap powerGlyph_ = LoadBitmapResource(IDB_POWER);
  SystemMetrics metrics_;
  HMENU menu_ = nullptr;
  SkinnedMenu menuPainter_;
  HACCEL accelerators_ = nullptr;
};

}  // namespace kelp
