#!/usr/bin/env bash
# Makes a program folder that takes no file, not even from root (chattr +i), with
# the data files and a learner's old settings and history in it, and runs the
# start-up test that uses it.  Needs chattr's right (root) and a file system that
# has the flag; otherwise it says so and passes.  locked_folder.sh <build-dir>
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
export KELP_BUILD=$build
source "$here/../cmake/wine-env.sh"
folder=$(mktemp -d "/tmp/kelp locked.XXXXXX")
trap 'chattr -i "$folder" 2>/dev/null; rm -rf "$folder"' EXIT
for name in $(sed -n 's/^inline constexpr char k[A-Za-z0-9]*\[\] = "\([^"]*\)";$/\1/p' "$here/../resources/data_files.h"); do
  cp "$build/bin/$name" "$folder/"
done
# Skin 2, every colour RGB(153, 102, 51), a picture that is not there; scores 61.5 and 70.
printf '\x02\x00\x00\x00' >"$folder/skd.kpd"
for _ in 1 2 3 4 5 6 7 8; do printf '\x99\x66\x33\x00' >>"$folder/skd.kpd"; done
printf 'C:\\none.bmp' >>"$folder/skd.kpd"
printf '\x00\x00\x76\x42\x00\x00\x8c\x42' >"$folder/Lev0Data.kpd"
if ! chattr +i "$folder" 2>/dev/null || touch "$folder/probe" 2>/dev/null; then
  echo "locked folder: skipped, no folder can be made immutable here"
  exit 0
fi
windows_folder="Z:${folder//\//\\}\\"
KELP_LOCKED_FOLDER=$windows_folder "$WINE" "$build/bin/kelp_gui_tests.exe" \
  --gtest_filter=StartUp.LockedProgramFolderKeepsTheLearnersFilesInTheirOwnFolder
