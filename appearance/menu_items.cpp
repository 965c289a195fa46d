#include "appearance/menu_items.h"

namespace kelp {

namespace {

constexpr std::size_t kFirstTabToDouble = 1;
constexpr std::size_t kLastTabToDouble = 8;

bool IsGbkLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAsciiAlnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

std::string StoredMenuLabel(std::string_view gbkLabel) {
  std::string text(gbkLabel.substr(0, kMenuLabelLimit));
  const std::size_t tab = text.find('\t');
  if (tab != std::string::npos && tab >= kFirstTabToDouble && tab <= kLastTabToDouble)
    text.insert(tab, 1, '\t');
  return text;
}

int MenuRowAfter(const MenuItemRecord* previous, bool isSeparator) {
  if (!previous) return 0;
  return previous->menuRow + (isSeparator ? 1 : 2);
}

int MenuItemHeight(bool isSeparator) {
  return isSeparator ? kMenuRowHeight : 2 * kMenuRowHeight;
}

std::optional<char> MnemonicOf(std::string_view label) {
  for (std::size_t i = 0; i < label.size(); ++i) {
    const char c = label[i];
    if (IsGbkLeadByte(static_cast<unsigned char>(c))) {
      ++i;
      continue;
    }
    if (c != '&' || i + 1 >= label.size()) continue;
    const char next = label[i + 1];
    if (next == '&') {
      ++i;
      continue;
    }
    return IsAsciiAlnum(next) ? std::optional<char>(LowerAscii(next)) : std::nullopt;
  }
  return std::nullopt;
}

}  // namespace kelp
