#!/usr/bin/env bash
# Runs a Windows program in a copy of the project's Wine prefix whose screen is
# scaled to the given dpi (120 = 125 %, 144 = 150 %): scaling.sh DPI PROGRAM ARGS...
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../cmake" && pwd)
source "$here/wine-env.sh"
dpi=$1
shift
base=$WINEPREFIX
export WINEPREFIX="$base-dpi$dpi"
if [ ! -f "$WINEPREFIX/.kelp-dpi" ] || [ "$base/.kelp-ready" -nt "$WINEPREFIX/.kelp-dpi" ]; then
  rm -rf "$WINEPREFIX"
  cp -a "$base" "$WINEPREFIX"
  reg=$(mktemp --suffix=.reg)
  hex=$(printf '%08x' "$dpi")
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%s\n\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]\n"LogPixels"=dword:%s\n' "$hex" "$hex" > "$reg"
  "$WINE" regedit /S "$reg" >/dev/null 2>&1
  "$WINESERVER" -w
  rm -f "$reg"
  touch "$WINEPREFIX/.kelp-dpi"
fi
status=0
"$WINE" "$@" || status=$?
"$WINESERVER" -k 2>/dev/null || true
exit $status
