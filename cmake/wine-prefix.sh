#!/usr/bin/env bash
# Creates the Wine prefix once and imports the registry values the program needs.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/wine-env.sh"
stamp="$WINEPREFIX/.kelp-ready"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
"$WINE" wineboot -i >/dev/null 2>&1
reg=$(mktemp --suffix=.reg)
# regedit wants UTF-16LE with a BOM for the Chinese face names.
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$here/wine-settings.reg"; } > "$reg"
"$WINE" regedit /S "$reg" >/dev/null 2>&1
"$WINESERVER" -w
rm -f "$reg"
touch "$stamp"
