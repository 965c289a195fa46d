# Sourced by the Wine helper scripts: one prefix per build folder. KELP_WINEARCH=win32
# (the 32-bit build) makes a 32-bit prefix with wine32's loader.
: "${KELP_WINEARCH:=win64}"
if [ "$KELP_WINEARCH" = win32 ]; then
  : "${KELP_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-win32}"
  WINE=/usr/lib/wine/wine
else
  : "${KELP_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
  WINE=/usr/lib/wine/wine64
fi
export WINEPREFIX="${WINEPREFIX:-$KELP_BUILD/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=$KELP_WINEARCH
# Text unsmoothed, as the Song face is at its bitmap sizes on Windows (fonts.conf).
export FONTCONFIG_FILE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/fonts.conf"
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
