#!/usr/bin/env bash
# Builds each fuzz target with libFuzzer and runs it for a bounded time from its
# seeds and its regression cases (tests/fuzz/regressions/<target>/); a crash or a
# broken property fails the run, and the input is left in <build-dir>/fuzz/artifacts/.
#   run.sh <build-dir> [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$1/fuzz
seconds=${2:-20}
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -I"$root")  # clang has no GBK execution set; the models do not depend on it
declare -A sources=(
  [settings]="appearance/settings_file.cpp"
  [score_history]="scores/score_history.cpp"
  [passage]="practice/exercise.cpp practice/exercise_result.cpp practice/scoring.cpp"
  [bitmap]="appearance/bitmap_check.cpp appearance/rle_decoder.cpp"
)
"$root/tests/fuzz/seeds.sh" "$out/seeds"
for target in settings score_history passage bitmap; do
  models=()
  for s in ${sources[$target]}; do models+=("$root/$s"); done
  clang++ "${flags[@]}" "$root/tests/fuzz/${target}_fuzz.cpp" "${models[@]}" -o "$out/$target"
  mkdir -p "$out/corpus/$target" "$out/artifacts/$target"
  # Inputs that once failed stay as regression cases of their target.
  regressions=()
  [ -d "$root/tests/fuzz/regressions/$target" ] && regressions=("$root/tests/fuzz/regressions/$target")
  "$out/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$out/artifacts/$target/" \
    "$out/corpus/$target" "$out/seeds/$target" "${regressions[@]}" 2>"$out/$target.log" ||
    { tail -40 "$out/$target.log"; echo "fuzz: $target FAILED"; exit 1; }
  echo "fuzz: $target $(grep -o 'stat::number_of_executed_units: [0-9]*' "$out/$target.log" |
    awk '{print $2}') runs in ${seconds}s, no failure ($(grep -c '' <(ls "$out/corpus/$target")) corpus)"
done
