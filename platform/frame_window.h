#pragma once

#include "platform/frame_layout.h"

#include <windows.h>

#include <string_view>

// Base of a top-level window: owns the HWND and routes messages to one virtual.
namespace kelp {

// The frame as Windows drew it around `window`; `cyMenu` serves when Windows
// cannot say where the menu bar is.
FrameLayout ReadFrameLayout(HWND window, int cyMenu);

class FrameWindow {
 public:
  FrameWindow() = default;
  virtual ~FrameWindow();
  FrameWindow(const FrameWindow&) = delete;
  FrameWindow& operator=(const FrameWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // The window with `menu` and, through its class, the icon resource `iconId` at the
  // system's large and small sizes (the taskbar's and Alt+Tab's).
  bool Create(std::string_view gbkTitle, DWORD style, DWORD exStyle, const RECT& rect, HMENU menu,
              int iconId);
  void Destroy();

 protected:
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static void RegisterFrameClass(int iconId);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace kelp
