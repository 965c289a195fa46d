#include "appearance/background.h"

#include "appearance/bitmap_check.h"
#include "platform/file_dialog.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/gdi.h"

namespace kelp {

namespace {

constexpr char kAppName[] = "Kelp专业打字练习III(最终版)";
constexpr char kTooSmall[] = "背景更改失败。背景位图大小应大于700*450";
constexpr char kUnreadable[] = "背景更改失败。无法读取所选的图片文件。";
constexpr char kNotSaved[] = "未知错误！背景更改失败。";

void Tell(HWND owner, const char* text) {
  MessageBoxW(owner, Widen(text).c_str(), Widen(kAppName).c_str(), MB_OK);
}

std::uint64_t FileSize(const std::string& gbkPath) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(gbkPath).c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The picture must parse as a whole BMP of a sane shape and really load at least 700 x 450.
bool IsUsableBackground(const std::string& gbkPath, const std::string& firstBytes) {
  const std::optional<BitmapShape> shape = ParseBitmapHeader(firstBytes, FileSize(gbkPath));
  if (!shape || !IsLargeEnoughForBackground(*shape)) return false;
  const Bitmap picture = LoadBitmapFile(gbkPath);
  const SIZE size = BitmapSize(picture.get());
  return size.cx >= kMinBackgroundWidth && size.cy >= kMinBackgroundHeight;
}

}  // namespace

std::optional<SettingsRecord> ChooseBackground(HWND owner, const SettingsRecord& current) {
  bool pathWithoutGbkForm = false;
  const std::optional<std::string> path = AskForBitmapPath(owner, &pathWithoutGbkForm);
  if (pathWithoutGbkForm) Tell(owner, kTooSmall);
  if (!path) return std::nullopt;
  return AcceptBackground(owner, current, *path);
}

std::optional<SettingsRecord> AcceptBackground(HWND owner, const SettingsRecord& current,
                                               const std::string& gbkPath) {
  if (!ReadFileRange(gbkPath, 0, 0)) {
    Tell(owner, kUnreadable);
    return std::nullopt;
  }
  const std::optional<std::string> firstBytes = ReadFileRange(gbkPath, 0, kBitmapHeaderBytes);
  if (!firstBytes || !IsUsableBackground(gbkPath, *firstBytes)) {
    Tell(owner, kTooSmall);
    return std::nullopt;
  }
  SettingsRecord chosen = current;
  chosen.backgroundPath = gbkPath;
  return chosen;
}

void ReportBackgroundNotSaved(HWND owner) {
  Tell(owner, kNotSaved);
}

}  // namespace kelp
