#include "platform/file_dialog.h"

#include "platform/common_dialog_library.h"
#include "platform/gbk.h"

#include <commdlg.h>

namespace kelp {

namespace {
constexpr DWORD kLongestPath = 32768;
}

std::optional<std::string> AskForBitmapPath(HWND owner, bool* pathWithoutGbkForm) {
  if (pathWithoutGbkForm) *pathWithoutGbkForm = false;
  auto* getOpenFileName = CommonDialogFunction<BOOL WINAPI(OPENFILENAMEW*)>("GetOpenFileNameW");
  if (!getOpenFileName) return std::nullopt;
  // One filter entry: its name, its pattern, then the closing empty string.
  const std::wstring filter = Widen("位图(BMP)") + L'\0' + L"*.bmp" + L'\0' + L'\0';
  std::wstring file(kLongestPath, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kLongestPath;
  dialog.lpstrDefExt = L"bmp";
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!getOpenFileName(&dialog)) return std::nullopt;
  std::optional<std::string> path = NarrowExact(file.c_str());
  if (!path && pathWithoutGbkForm) *pathWithoutGbkForm = true;
  return path;
}

}  // namespace kelp
