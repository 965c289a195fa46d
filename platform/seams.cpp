#include "platform/seams.h"

#include "platform/gbk.h"

#include <windows.h>

#include <cstdlib>

namespace kelp {

Seams& TheSeams() {
  static Seams seams;
  return seams;
}

long long ClockSeconds() {
  return TheSeams().clock ? TheSeams().clock() : static_cast<long long>(GetTickCount64() / 1000);
}

int NextRandom() {
  return TheSeams().nextRandom ? TheSeams().nextRandom() : std::rand();
}

int SystemMetric(int index) {
  return TheSeams().systemMetric ? TheSeams().systemMetric(index) : GetSystemMetrics(index);
}

void StartupStepDone(const char* step) {
  if (TheSeams().startupStep) TheSeams().startupStep(step);
}

namespace {

// Longer than any path Windows accepts (32767 UTF-16 units).
constexpr size_t kPathLimit = 1 << 16;

std::wstring ShortPath(const std::wstring& path) {
  std::wstring shortPath(MAX_PATH, L'\0');
  while (shortPath.size() <= kPathLimit) {
    const DWORD length =
        GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length == 0) return {};
    if (length < shortPath.size()) {
      shortPath.resize(length);
      return shortPath;
    }
    shortPath.resize(length);  // the size it needs, terminator included
  }
  return {};
}

}  // namespace

// GetModuleFileNameW cuts the path to fit its buffer and then returns the buffer's size.
std::wstring ExecutablePath(size_t firstBufferSize) {
  std::wstring path(firstBufferSize > 0 ? firstBufferSize : 1, L'\0');
  while (path.size() <= kPathLimit) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
  return {};
}

// The cut is made on UTF-16, where a backslash is always a backslash: in GBK the
// byte 0x5C is also the trail byte of characters such as "嘰" (0x87 0x5C).
std::string GbkFolderOf(std::wstring_view path) {
  const size_t slash = path.find_last_of(L'\\');
  if (slash == std::wstring_view::npos) return {};
  const std::wstring folder(path.substr(0, slash + 1));
  if (std::optional<std::string> exact = NarrowExact(folder)) return *exact;
  std::wstring shortFolder = ShortPath(folder);
  if (shortFolder.empty()) return {};
  if (shortFolder.back() != L'\\') shortFolder += L'\\';
  return NarrowExact(shortFolder).value_or(std::string());
}

std::string ExecutableDirectory() {
  if (!TheSeams().dataDirectory.empty()) return TheSeams().dataDirectory;
  return GbkFolderOf(ExecutablePath());
}

}  // namespace kelp
