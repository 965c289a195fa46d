#pragma once

#include "resources/data_files.h"
#include "resources/resource_ids.h"

#include <array>
#include <cstdint>

// Per-skin constants.
namespace kelp {

constexpr int kSkinCount = 4;
using ColorBlock = std::array<std::uint32_t, 8>;

constexpr std::uint32_t Rgb(int red, int green, int blue) {
  return static_cast<std::uint32_t>(red | (green << 8) | (blue << 16));
}

struct SkinInfo {
  const char* backgroundFile;
  ColorBlock defaultColors;  // standard, error, info, then the five level colours
  std::uint32_t plainFill;   // page background when the picture cannot be loaded
  int command;               // menu command that chooses the skin
  int captionBitmap;         // title bar picture
  int menuBackgroundBitmap;  // behind the items of the owner-drawn pop-ups
  int menuStripeBitmap;      // down the left edge of the pop-ups
  std::uint32_t titleColor;  // the title drawn over the caption picture
};

inline constexpr SkinInfo kSkins[kSkinCount] = {
    {kSkin0Picture,
     {Rgb(206, 236, 255), Rgb(255, 120, 120), Rgb(255, 255, 255), Rgb(0, 91, 91), Rgb(0, 213, 213),
      Rgb(140, 255, 255), Rgb(215, 255, 255), Rgb(255, 255, 255)},
     Rgb(20, 46, 72),
     ID_SKIN_MAIN,
     IDB_CAPTION_MAIN,
     IDB_MENU_BACK_MAIN,
     IDB_MENU_STRIPE_MAIN,
     Rgb(240, 240, 240)},
    {kSkin1Picture,
     {Rgb(0, 106, 213), Rgb(255, 128, 128), Rgb(0, 0, 0), Rgb(80, 0, 0), Rgb(120, 0, 0),
      Rgb(255, 0, 0), Rgb(255, 120, 120), Rgb(255, 200, 200)},
     Rgb(214, 236, 250),
     ID_SKIN_BLUE,
     IDB_CAPTION_BLUE,
     IDB_MENU_BACK_BLUE,
     IDB_MENU_STRIPE_MAIN,
     Rgb(255, 255, 255)},
    {kSkin2Picture,
     {Rgb(166, 228, 255), Rgb(255, 255, 135), Rgb(0, 0, 0), Rgb(0, 0, 64), Rgb(0, 0, 255),
      Rgb(0, 128, 192), Rgb(128, 217, 255), Rgb(200, 235, 255)},
     Rgb(196, 98, 128),
     ID_SKIN_ROSE,
     IDB_CAPTION_ROSE,
     IDB_MENU_BACK_ROSE,
     IDB_MENU_STRIPE_ROSE,
     Rgb(120, 50, 20)},
    {kSkin3Picture,
     {Rgb(175, 175, 175), Rgb(255, 217, 217), Rgb(255, 255, 255), Rgb(75, 75, 75),
      Rgb(110, 110, 110), Rgb(160, 160, 160), Rgb(205, 205, 205), Rgb(255, 255, 255)},
     Rgb(40, 40, 44),
     ID_SKIN_BLACK,
     IDB_CAPTION_BLACK,
     IDB_MENU_BACK_BLACK,
     IDB_MENU_STRIPE_BLACK,
     Rgb(0, 0, 0)},
};

// Out-of-range skins are treated as skin 0, wherever they come from.
constexpr int KnownSkinOr0(int skin) {
  return skin >= 0 && skin < kSkinCount ? skin : 0;
}
constexpr const SkinInfo& SkinAt(int skin) {
  return kSkins[KnownSkinOr0(skin)];
}

}  // namespace kelp
