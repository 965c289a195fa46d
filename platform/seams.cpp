#include "platform/seams.h"

#include "platform/gbk.h"

#include <windows.h>

#include <cstdlib>

namespace kelp {

Seams& TheSeams() {
  static Seams seams;
  return seams;
}

std::time_t Now() {
  return TheSeams().now ? TheSeams().now() : std::time(nullptr);
}

int NextRandom() {
  return TheSeams().nextRandom ? TheSeams().nextRandom() : std::rand();
}

void EndProcess(int code) {
  if (TheSeams().endProcess) {
    TheSeams().endProcess(code);
    return;
  }
  std::exit(code);
}

namespace {

// A path with characters outside GBK falls back to its short (8.3) form.
std::string ModulePathInGbk() {
  wchar_t path[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return {};
  if (auto exact = NarrowExact(std::wstring_view(path, length))) return *exact;
  wchar_t shortPath[MAX_PATH * 2];
  const DWORD shortLength = GetShortPathNameW(path, shortPath, MAX_PATH * 2);
  if (shortLength == 0 || shortLength >= MAX_PATH * 2) return {};
  return NarrowExact(std::wstring_view(shortPath, shortLength)).value_or(std::string());
}

}  // namespace

std::string ExecutableDirectory() {
  if (!TheSeams().dataDirectory.empty()) return TheSeams().dataDirectory;
  const std::string path = ModulePathInGbk();
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace kelp
