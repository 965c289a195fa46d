#!/usr/bin/env bash
# Builds the release zip a second time and compares it byte for byte with the first:
# from a copy of the sources under another path, in another build folder, 400 days
# later on the clock (faketime, when installed), as another user (when root), with
# another umask, time zone and locale. A time stamp or a path that reaches the zip
# makes the two differ.
# rebuild_same.sh <sources> <toolchain file> <first zip>
set -euo pipefail
src=$1 toolchain=$(basename "$2") first=$3
work=$(mktemp -d /tmp/kelp-rebuild.XXXXXX)
trap 'rm -rf "$work"' EXIT
copy="$work/second copy/sources"
mkdir -p "$copy"
if git -c safe.directory='*' -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
  git -c safe.directory='*' -C "$src" ls-files -z --cached --others --exclude-standard |
    tar -C "$src" --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -C "$copy" -xf -
  # One commit at the same time: the build finds it as it does in the sources, and
  # the compilers see no SOURCE_DATE_EPOCH that the first build did not see.
  when=$(git -c safe.directory='*' -C "$src" log -1 --format=%ct)
  git -C "$copy" init -q
  git -C "$copy" add -A
  GIT_COMMITTER_DATE="@$when +0000" git -C "$copy" -c user.name=rebuild -c user.email=rebuild@localhost \
    commit -q -m rebuild
else
  tar -C "$src" --exclude=./build --exclude='./build-*' -cf - . | tar -C "$copy" -xf -
fi

as=() clock=() changed="path"
if [ "$(id -u)" = 0 ] && id nobody >/dev/null 2>&1 && command -v runuser >/dev/null; then
  chown -R nobody "$work"
  as=(runuser -u nobody --)
  changed+=", user nobody"
fi
if command -v faketime >/dev/null; then
  clock=(faketime -f +400d)
  changed+=", clock +400 days"
fi
echo "second build: $changed, umask 077, TZ=Asia/Shanghai, LC_ALL=C"
(
  umask 077
  export TZ=Asia/Shanghai LC_ALL=C NO_FAKE_STAT=1
  "${as[@]}" "${clock[@]}" cmake -S "$copy" -B "$work/b" -DCMAKE_TOOLCHAIN_FILE="$copy/cmake/$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DKELP_GOOGLETEST_DIR=/nonexistent >/dev/null
  "${as[@]}" "${clock[@]}" cmake --build "$work/b" --target dist -j 2 >"$work/build.log" 2>&1 ||
    { tail -20 "$work/build.log"; exit 1; }
)
second="$work/b/$(basename "$first")"
if cmp -s "$first" "$second"; then
  echo "rebuild: $(basename "$first") is the same, $(sha256sum <"$first" | cut -c1-64)"
  exit 0
fi
echo "rebuild: $(basename "$first") differs:"
mkdir "$work/1" "$work/2"
(cd "$work/1" && unzip -q "$first") && (cd "$work/2" && unzip -q "$second")
diff <(zipinfo -l "$first" | sed 1d) <(zipinfo -l "$second" | sed 1d) || true
diff -rq "$work/1" "$work/2" || true
exit 1
