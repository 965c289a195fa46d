#pragma once

#include "resources/resource_ids.h"

#include <optional>
#include <string>
#include <string_view>

// What the owner-drawn pop-ups know of each item: labels, rows, icons and the
// mnemonic letters the keyboard reaches them by.
namespace kelp {

// Row height of the pop-ups: a command item is two rows high, a separator one.
constexpr int kMenuRowHeight = 17;
constexpr int kMenuItemWidth = 200;
constexpr int kMenuLabelLimit = 255;  // bytes kept of a label

struct MenuItemRecord {
  std::string text;        // GBK label, after the tab rule
  unsigned commandId = 0;  // 0 for a separator
  unsigned iconId = 0;     // group icon resource, 0 for none
  int menuRow = 0;         // top edge in rows of the pop-up
};

struct MenuIcon {
  unsigned commandId;
  unsigned iconId;
};

inline constexpr MenuIcon kMenuIcons[] = {
    {ID_LEVEL1, IDI_LEVEL1},     {ID_LEVEL2, IDI_LEVEL2},           {ID_LEVEL3, IDI_LEVEL3},
    {ID_LEVEL4, IDI_LEVEL4},     {ID_LEVEL5, IDI_LEVEL5},           {ID_APP_EXIT, IDI_EXIT},
    {ID_MINIMIZE, IDI_MINIMIZE}, {ID_SCORE_SHEET, IDI_SCORE_SHEET}, {ID_SETTINGS, IDI_SETTINGS},
    {ID_APP_ABOUT, IDI_ABOUT},
};

// The label as stored: at most 255 bytes, and a tab at byte 1..8 doubled, so
// that every accelerator text starts at the second tab stop.
std::string StoredMenuLabel(std::string_view gbkLabel);

// Row of an item given the record before it in the same pop-up (none for the first).
int MenuRowAfter(const MenuItemRecord* previous, bool isSeparator);

// Item height in pixels.
int MenuItemHeight(bool isSeparator);

// The lower-case ASCII letter or digit after a single "&", if any. "&&" is a
// literal ampersand; the two bytes of a GBK character are never taken apart.
std::optional<char> MnemonicOf(std::string_view gbkLabel);

}  // namespace kelp
