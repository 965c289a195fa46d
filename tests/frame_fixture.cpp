#include "tests/frame_fixture.h"

#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/message_loop.h"
#include "platform/seams.h"
#include "practice/exercise.h"

#include <filesystem>

namespace kelp::test {

namespace {

std::vector<SeenMessageBox> g_seenBoxes;
std::function<void()> g_whileOpen;

std::string WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return Narrow(text);
}

LRESULT CALLBACK AnswerMessageBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t className[32] = {};
    GetClassNameW(box, className, 32);
    if (std::wstring(className) == L"#32770") {
      g_seenBoxes.push_back({WindowText(box), WindowText(GetDlgItem(box, 0xFFFF))});
      if (g_whileOpen) g_whileOpen();
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DataFolder::DataFolder() {
  static int count = 0;
  path_ = Narrow(std::filesystem::temp_directory_path().wstring()) + "kelp-test-" +
          std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count) + "\\";
  CreateDirectoryW(Widen(path_).c_str(), nullptr);
  for (const char* name : kDataFiles)
    CopyFileW(Widen(ExecutableDirectory() + name).c_str(), Widen(path_ + name).c_str(), FALSE);
  CreateDirectoryW(Widen(localAppData()).c_str(), nullptr);
  TheSeams().dataDirectory = path_;
  TheSeams().localAppData = localAppData();
}

// Read-only files and folders included.
DataFolder::~DataFolder() {
  TheSeams().dataDirectory.clear();
  TheSeams().localAppData.clear();
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(Widen(path_), error))
    SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  std::filesystem::remove_all(Widen(path_), error);
}

void DropQuitMessages() {
  MSG quit;
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) continue;
}

std::unique_ptr<MainFrame> OpenFrame() {
  DropQuitMessages();
  auto frame = std::make_unique<MainFrame>();
  ShowWindow(frame->hwnd(), SW_SHOW);
  UpdateWindow(frame->hwnd());
  Pump(*frame);
  return frame;
}

void Pump(const MainFrame& frame) {
  DispatchPendingMessages(frame.hwnd(), frame.accelerators());
}

void PumpFor(const MainFrame& frame, int milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    Pump(frame);
  }
}

void SendCommand(const MainFrame& frame, int id) {
  SendMessageW(frame.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void FinishSlide(MainFrame& frame) {
  for (int tick = 0; tick < 20; ++tick) SendMessageW(frame.hwnd(), WM_TIMER, kSlideTimer, 0);
}

std::string PassageOf(const std::string& folder, int level, int draw) {
  const LevelInfo& info = kLevels[level];
  const auto text = ReadFileRange(folder + info.textFile, draw % info.offsetModulus, info.bytesRead);
  Exercise exercise;
  exercise.RequestStart(level);
  return text && exercise.Begin(*text, 0) ? std::string(exercise.passage()) : std::string();
}

COLORREF PixelAt(const MainFrame& frame, int x, int y) {
  return GetPixel(WindowDC(frame.hwnd(), WindowDC::kClient).get(), x, y);
}

namespace {

void** ImportSlot(const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       d->Name; ++d) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* name =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (lstrcmpA(reinterpret_cast<const char*>(name->Name), function) == 0)
        return reinterpret_cast<void**>(&slots->u1.Function);
    }
  }
  return nullptr;
}

void WriteSlot(void** slot, void* value) {
  DWORD old = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, old, &old);
}

}  // namespace

ImportPatch::ImportPatch(const char* dll, const char* function, void* replacement)
    : slot_(ImportSlot(dll, function)) {
  if (!slot_) return;
  original_ = *slot_;
  WriteSlot(slot_, replacement);
}

ImportPatch::~ImportPatch() {
  if (slot_) WriteSlot(slot_, original_);
}

MessageBoxWatcher::MessageBoxWatcher(std::function<void()> whileOpen)
    : hook_(SetWindowsHookExW(WH_CBT, AnswerMessageBox, nullptr, GetCurrentThreadId())) {
  g_seenBoxes.clear();
  g_whileOpen = std::move(whileOpen);
}

MessageBoxWatcher::~MessageBoxWatcher() {
  UnhookWindowsHookEx(hook_);
  g_whileOpen = nullptr;
}

const std::vector<SeenMessageBox>& MessageBoxWatcher::seen() const {
  return g_seenBoxes;
}

}  // namespace kelp::test
