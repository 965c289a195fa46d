// Draws the program's pictures, icons and sounds:  artgen <data-dir> <resource-dir>

#include <cstdio>

#include "tools/art_pictures.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: artgen <data-dir> <resource-dir>\n");
    return 2;
  }
  bool ok = art::WriteKeyboards(argv[1]);
  ok &= art::WriteBackgrounds(argv[1]);
  ok &= art::WriteSounds(argv[1]);
  ok &= art::WriteChrome(argv[2]);
  ok &= art::WriteIcons(argv[2]);
  if (!ok) std::fprintf(stderr, "artgen: could not write every file\n");
  return ok ? 0 : 1;
}
