#!/usr/bin/env bash
# Kills store_loop under Wine at random moments and judges the folder after each
# kill with the host-side check.  kill_during_write.sh <build-dir> [kills]
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
kills=${2:-200}
export KELP_BUILD=$build
source "$here/../cmake/wine-env.sh"
check=$build/host-tools/check_store_state
folder=$(mktemp -d /tmp/kelp-kill.XXXXXX)
trap 'rm -rf "$folder"' EXIT
windows_folder="Z:${folder//\//\\}\\"

torn=0 progressed=0 mid_write=0 most_temporaries=0 largest_temporary=0 previous=0
for i in $(seq "$kills"); do
  "$WINE" "$build/bin/store_loop.exe" "$windows_folder" >/dev/null 2>&1 &
  pid=$!
  # Wine needs ~0.2 s to start; the kill falls somewhere in the first writes.
  sleep "0.$(printf "%03d" $((120 + RANDOM % 330)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if ! line=$("$check" "$folder"); then
    torn=$((torn + 1))
    echo "kill $i: $line"
  fi
  read -r _ step _ _ _ temporaries _ largest _ <<<"$line"
  [ "$step" -gt "$previous" ] && progressed=$((progressed + 1))
  previous=$step
  [ "$temporaries" -gt 0 ] && mid_write=$((mid_write + 1))
  [ "$temporaries" -gt "$most_temporaries" ] && most_temporaries=$temporaries
  [ "$largest" -gt "$largest_temporary" ] && largest_temporary=$largest
done

# A run to its end replaces what a kill left behind and leaves no temporary file.
final=$("$WINE" "$build/bin/store_loop.exe" "$windows_folder" 10 2>/dev/null | tr -d '\r')
left=$(find "$folder" -name '*.tmp' | wc -l)
"$check" "$folder" >/dev/null || torn=$((torn + 1))
echo "kill: $kills kills ($progressed while writing, $mid_write leaving a temporary file)," \
     "$torn torn or lost states, at most $most_temporaries temporary files of at most $largest_temporary bytes," \
     "$previous steps stored; after a full run: ${final#store_loop: }, $left temporary files left"
[ "$torn" -eq 0 ] && [ "$left" -eq 0 ] && [ "$final" = "store_loop: 0 failed writes" ]
