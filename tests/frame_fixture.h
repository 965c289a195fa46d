#pragma once

#include "app/main_frame.h"
#include "data_files.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/seams.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelp::test {

// The files a release ships beside the program, and those the program writes.
using kelp::kDataFiles;
inline constexpr const char* kLearnerFiles[] = {"skd.kpd",      "Lev0Data.kpd", "Lev1Data.kpd",
                                                "Lev2Data.kpd", "Lev3Data.kpd", "Lev4Data.kpd"};

// A fresh folder with copies of the shipped data files; the program reads and
// writes there while it exists. Its AppData\ stands in for the local application
// data folder.
class DataFolder {
 public:
  DataFolder();
  DataFolder(const DataFolder&) = delete;
  ~DataFolder();
  const std::string& path() const { return path_; }
  std::string localAppData() const { return path_ + "AppData\\"; }
  std::optional<std::string> Read(const std::string& name) const {
    return ReadWholeFile(path_ + name);
  }
  void Write(const std::string& name, const std::string& bytes) const {
    WriteFileAtomically(path_ + name, bytes);
  }
  void Remove(const std::string& name) const { DeletePath(path_ + name); }

 private:
  std::string path_;
};

// A closed window leaves WM_QUIT in the thread's queue, where it would end the next
// modal loop (a dialog, a message box) at once; the tests run on after it.
void DropQuitMessages();
// Creates and shows the real main window.
std::unique_ptr<MainFrame> OpenFrame();
void Pump(const MainFrame& frame);
// Pumps for a while so that timers fire (the slide ticks every 30 ms).
void PumpFor(const MainFrame& frame, int milliseconds);
void SendCommand(const MainFrame& frame, int id);
// Sends timer 2 ticks by hand, enough for any slide to end (later ones are stale).
void FinishSlide(MainFrame& frame);
// The passage a level page shows when the program draws `draw`, cut from the level's
// text in `folder` as the program cuts it; empty when the page would show none.
std::string PassageOf(const std::string& folder, int level, int draw = 0);
COLORREF PixelAt(const MainFrame& frame, int x, int y);

// Points this program's import of `function` from `dll` at `replacement` while it lives.
class ImportPatch {
 public:
  ImportPatch(const char* dll, const char* function, void* replacement);
  ~ImportPatch();
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;
  void* original() const { return original_; }

 private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

struct SeenMessageBox {
  std::string caption;
  std::string text;
};

// Answers every message box of this thread with OK and records its texts.
class MessageBoxWatcher {
 public:
  // `whileOpen` runs while each box is up, before it is answered.
  explicit MessageBoxWatcher(std::function<void()> whileOpen = {});
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
  const std::vector<SeenMessageBox>& seen() const;

 private:
  HHOOK hook_;
};

}  // namespace kelp::test
