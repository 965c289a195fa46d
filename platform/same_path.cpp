#include "platform/same_path.h"

#include "platform/gbk.h"

#include <windows.h>

namespace kelp {

namespace {

// The long form of an existing path; the path as it is otherwise.
std::wstring LongForm(const std::wstring& path) {
  const DWORD needed = GetLongPathNameW(path.c_str(), nullptr, 0);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD length = GetLongPathNameW(path.c_str(), full.data(), needed);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  return full;
}

}  // namespace

bool SameFilePath(const std::string& gbkA, const std::string& gbkB) {
  if (gbkA == gbkB) return true;
  const std::wstring a = LongForm(Widen(gbkA));
  const std::wstring b = LongForm(Widen(gbkB));
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace kelp
