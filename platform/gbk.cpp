#include "platform/gbk.h"

#include <windows.h>

namespace kelp {

namespace {
constexpr UINT kGbk = 936;
}

std::wstring Widen(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int size = static_cast<int>(gbk.size());
  const int count = MultiByteToWideChar(kGbk, 0, gbk.data(), size, nullptr, 0);
  std::wstring wide(count, L'\0');
  MultiByteToWideChar(kGbk, 0, gbk.data(), size, wide.data(), count);
  return wide;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int count = WideCharToMultiByte(kGbk, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(count, '\0');
  WideCharToMultiByte(kGbk, 0, text.data(), size, narrow.data(), count, nullptr, nullptr);
  return narrow;
}

std::optional<std::string> NarrowExact(std::wstring_view text) {
  std::string narrow = Narrow(text);
  if (Widen(narrow) != text) return std::nullopt;
  return narrow;
}

}  // namespace kelp
