#pragma once

// The generator's parts; each writes its files into dir and returns false if
// any file could not be written.

#include "resources/resource_ids.h"

#include <string>

namespace art {

bool WriteKeyboards(const std::string& dir);    // kb0.kpd, kb1.kpd, kb2.kpd
bool WriteBackgrounds(const std::string& dir);  // bgmain0.kpd .. bgmain3.kpd
bool WriteSounds(const std::string& dir);       // KP.WAV, ERR.WAV, SEL1.WAV
bool WriteChrome(const std::string& dir);       // caption, menu and small bitmaps
bool WriteIcons(const std::string& dir);        // icon*.ico

inline std::string PathIn(const std::string& dir, const std::string& name) {
  return dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name;
}

// Names of the generated resource files; the build lists them the same way.
inline std::string BitmapResourceFile(int id) {
  return "bmp" + std::to_string(id) + ".bmp";
}
inline std::string IconResourceFile(int id) {
  return "icon" + std::to_string(id) + ".ico";
}

}  // namespace art
