#!/usr/bin/env bash
# Creates the Wine prefix once and imports the registry values the program needs;
# imports them again whenever wine-settings.reg has changed since.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/wine-env.sh"
stamp="$WINEPREFIX/.kelp-ready"
settings=$(sha256sum "$here/wine-settings.reg" | cut -d' ' -f1)
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$settings" ] && exit 0
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1
fi
reg=$(mktemp --suffix=.reg)
# regedit wants UTF-16LE with a BOM for the Chinese face names.
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$here/wine-settings.reg"; } > "$reg"
"$WINE" regedit /S "$reg" >/dev/null 2>&1
"$WINESERVER" -w
rm -f "$reg"
echo "$settings" > "$stamp"
