#pragma once

#include <optional>
#include <string>
#include <string_view>

// Program text is GBK (code page 936); Windows is called with UTF-16.
namespace kelp {

std::wstring Widen(std::string_view gbk);
std::string Narrow(std::wstring_view text);
// Exact conversion only: nothing when a character has no GBK form.
std::optional<std::string> NarrowExact(std::wstring_view text);

}  // namespace kelp
