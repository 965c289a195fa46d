#!/usr/bin/env bash
# Fills a tiny tmpfs under store_loop's folder: every write is refused, the old
# files stay whole and no temporary file is left; with room again the writes go
# on.  Needs the right to mount (root); otherwise it says so and passes.
# full_disk.sh <build-dir>
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
export KELP_BUILD=$build
source "$here/../cmake/wine-env.sh"
check=$build/host-tools/check_store_state
disk=$(mktemp -d /tmp/kelp-full.XXXXXX)
if ! mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  rmdir "$disk"
  echo "full disk: skipped, no tmpfs can be mounted here"
  exit 0
fi
snapshot=$(mktemp -d /tmp/kelp-full-before.XXXXXX)
trap 'umount "$disk"; rmdir "$disk"; rm -rf "$snapshot"' EXIT
windows_folder="Z:${disk//\//\\}\\"
run() { "$WINE" "$build/bin/store_loop.exe" "$windows_folder" "$1" 2>/dev/null | tr -d '\r'; }

first=$(run 40)
cp -a "$disk/." "$snapshot/"
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null
full=$(run 10)
intact=yes
for f in "$snapshot"/*; do cmp -s "$f" "$disk/$(basename "$f")" || intact=no; done
left=$(find "$disk" -name '*.tmp' | wc -l)
rm "$disk/filler"
again=$(run 5)
"$check" "$disk" >/dev/null && whole=yes || whole=no
echo "full disk: before ${first#store_loop: }; disk full ${full#store_loop: }," \
     "old files intact: $intact, $left temporary files left;" \
     "room again ${again#store_loop: }, states whole: $whole"
[ "$first" = "store_loop: 0 failed writes" ] && [ "$full" = "store_loop: 20 failed writes" ] &&
  [ "$intact" = yes ] && [ "$left" -eq 0 ] && [ "$again" = "store_loop: 0 failed writes" ] &&
  [ "$whole" = yes ]
