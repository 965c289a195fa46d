#include "platform/dwm.h"

#include <string>

namespace kelp {

namespace {

using SetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

// DWMWA_NCRENDERING_POLICY and DWMNCRP_DISABLED, named here so that the program
// needs neither dwmapi.h nor dwmapi.lib.
constexpr DWORD kNcRenderingPolicy = 2;
constexpr DWORD kNcRenderingDisabled = 1;

// Loaded from the system folder by full path, never from the program's folder.
SetWindowAttribute FindSetWindowAttribute() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\dwmapi.dll";
  const HMODULE dll = LoadLibraryW(path.c_str());
  if (!dll) return nullptr;
  const FARPROC proc = GetProcAddress(dll, "DwmSetWindowAttribute");
  return reinterpret_cast<SetWindowAttribute>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

void DisableCompositorFrame(HWND window) {
  static const SetWindowAttribute setAttribute = FindSetWindowAttribute();
  if (!setAttribute) return;
  const DWORD policy = kNcRenderingDisabled;
  setAttribute(window, kNcRenderingPolicy, &policy, sizeof policy);
}

}  // namespace kelp
