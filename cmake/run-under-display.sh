#!/usr/bin/env bash
# Runs a command with an X display (Xvfb when none is set), one persistent
# wineserver and one idle Wine process, so each test starts in a fraction of a second.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"

xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    break
  done
fi

"$WINESERVER" -p </dev/null >/dev/null 2>&1
# The first Wine process starts the prefix's services, which keep its standard handles:
# one with none of its own goes first, or they would hold the pipe of whatever runs next
# and ctest would wait on it for good.
"$WINE" cmd.exe /c exit </dev/null >/dev/null 2>&1
"$WINE" "$KELP_BUILD/bin/wine_idle.exe" </dev/null >/dev/null 2>&1 &
idle_pid=$!

cleanup() {
  kill "$idle_pid" 2>/dev/null
  "$WINESERVER" -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

"$@"
