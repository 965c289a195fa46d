#include "platform/dwm.h"

#include "platform/system_library.h"

namespace kelp {

namespace {

using SetWindowAttribute = HRESULT WINAPI(HWND, DWORD, LPCVOID, DWORD);

// DWMWA_NCRENDERING_POLICY and DWMNCRP_DISABLED, named here so that the program
// needs neither dwmapi.h nor dwmapi.lib.
constexpr DWORD kNcRenderingPolicy = 2;
constexpr DWORD kNcRenderingDisabled = 1;

}  // namespace

void DisableCompositorFrame(HWND window) {
  static SetWindowAttribute* const setAttribute =
      LibraryFunction<SetWindowAttribute>(LoadSystemLibrary(L"dwmapi.dll"), "DwmSetWindowAttribute");
  if (!setAttribute) return;
  const DWORD policy = kNcRenderingDisabled;
  setAttribute(window, kNcRenderingPolicy, &policy, sizeof policy);
}

}  // namespace kelp
