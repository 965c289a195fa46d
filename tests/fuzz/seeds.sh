#!/usr/bin/env bash
# A few meaningful starting inputs per fuzz target, written at run time.  seeds.sh <dir>
set -eu
d=$1
mkdir -p "$d/settings" "$d/score_history" "$d/passage" "$d/bitmap"
# settings: a first-start file, one with a line feed inside a colour, a short one
printf '\0\0\0\0\xce\xec\xff\0\xff\x78\x78\0\xff\xff\xff\0\0\x5b\x5b\0\0\xd5\xd5\0\x8c\xff\xff\0\xd7\xff\xff\0\xff\xff\xff\0C:\\Kelp\\bgmain0.kpd' > "$d/settings/first"
printf '\x02\0\0\0\x0d\x0a\x0a\0\x0a\x0d\0\0' > "$d/settings/crlf"
printf '\x09\0\0\0\x11\x22' > "$d/settings/short"
# score histories: empty, one score, 30 scores, 31 with a partial tail
: > "$d/score_history/empty"
printf '\0\0\x64\x42' > "$d/score_history/one"
head -c 120 /dev/zero | tr '\0' '\x41' > "$d/score_history/full"
head -c 127 /dev/zero | tr '\0' '\x42' > "$d/score_history/long"
# passages: level byte, split byte, text, then keys with a Backspace
printf '\0\x64%s\x08%s' "$(head -c 100 /dev/zero | tr '\0' a)" "$(head -c 45 /dev/zero | tr '\0' a)" > "$d/passage/beginner"
printf '\x02\xc8%s%s' "$(head -c 200 /dev/zero | tr '\0' -)" "$(head -c 210 /dev/zero | tr '\0' ' ')" > "$d/passage/dashes"
# bitmaps: a 700 x 450 24-bit header, a top-down one, a header with no pixels
printf 'BM\x36\xb4\x0e\0\0\0\0\0\x36\0\0\0\x28\0\0\0\xbc\x02\0\0\xc2\x01\0\0\x01\0\x18\0\0\0\0\0\0\xb4\x0e\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' > "$d/bitmap/bottom-up"
printf 'BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x10\0\0\0\xf0\xff\xff\xff\x01\0\x20\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' > "$d/bitmap/top-down"
