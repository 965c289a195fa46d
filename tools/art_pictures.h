#pragma once

// The generator's parts; each writes its files into dir and returns false if
// any file could not be written.

#include <string>

namespace art {

bool WriteKeyboards(const std::string& dir);    // kb0.kpd, kb1.kpd, kb2.kpd
bool WriteBackgrounds(const std::string& dir);  // bgmain0.kpd .. bgmain3.kpd
bool WriteSounds(const std::string& dir);       // KP.WAV, ERR.WAV, SEL1.WAV
bool WriteChrome(const std::string& dir);       // caption, menu and small bitmaps
bool WriteIcons(const std::string& dir);        // icon*.ico

inline std::string PathIn(const std::string& dir, const char* name) {
  return dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name;
}

}  // namespace art
