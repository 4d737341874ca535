#!/usr/bin/env bash
# Builds the fuzz targets of the readers of outside bytes (build-fuzz: clang++
# with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for SECONDS (default 60), JOBS targets at a time (default 1).
# Prints one line per target, "NAME: N executions, C crashes", then the path
# of every crashing input (kept in build-fuzz/fuzz/crashes/NAME/), and exits 1
# when any target crashed. The corpus each target grows is kept in
# build-fuzz/fuzz/corpus/NAME/ for the next run.
# Usage: scripts/fuzz.sh [-j JOBS] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=1
if [ "${1:-}" = "-j" ]; then
  jobs=$2
  shift 2
fi
seconds=${1:-60}
folder=build-fuzz
work=$folder/fuzz

# NAME:MAX_LEN. Longer inputs would only slow a target down: the seeds are
# shorter, and every part a reader looks at fits.
targets=(tile:4096 textmesh:8192 xml:8192 zip:8192 places:2048 area:1024 webmessage:512 globe:4096)

mkdir -p "$work"
if ! CMAKE_BUILD_PARALLEL_LEVEL=2 BUILD_TARGET=qb_fuzz_targets scripts/build.sh "$folder" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQUARRENBY_QT=OFF -DQUARRENBY_BENCH=OFF -DQUARRENBY_FUZZ=ON >"$work/build.log" 2>&1; then
  tail -n 40 "$work/build.log"
  echo "building the fuzz targets failed; see $work/build.log"
  exit 1
fi
rm -rf "$work/seeds"
python3 tests/fuzz/make_seeds.py . "$work/seeds"

# Runs one target; leaves its summary line in NAME.result and the paths of
# the inputs it crashed on in NAME.crashes.
run_target() {
  local name=$1 max_len=$2
  local corpus=$work/corpus/$name crashes=$work/crashes/$name log=$work/$name.log
  mkdir -p "$corpus" "$crashes"
  touch "$work/$name.start"
  # A declared size that makes a reader allocate more than 256 MB counts as
  # a crash, and so does an input that takes ten seconds.
  "$folder/tests/fuzz/qb_fuzz_$name" "$corpus" "$work/seeds/$name" \
    -dict="tests/fuzz/$name.dict" -max_len="$max_len" -max_total_time="$seconds" \
    -rss_limit_mb=2048 -malloc_limit_mb=256 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$crashes/" >"$log" 2>&1 || true
  find "$crashes" -newer "$work/$name.start" -type f \
    \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) >"$work/$name.crashes"
  local executions
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  [ -n "$executions" ] || executions=$(sed -n 's/^#\([0-9]*\).*/\1/p' "$log" | tail -n 1)
  echo "$name: ${executions:-0} executions, $(wc -l <"$work/$name.crashes") crashes" >"$work/$name.result"
}

running=0
for entry in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
  run_target "${entry%%:*}" "${entry##*:}" &
  running=$((running + 1))
done
wait

status=0
for entry in "${targets[@]}"; do
  cat "$work/${entry%%:*}.result"
done
for entry in "${targets[@]}"; do
  name=${entry%%:*}
  while read -r path; do
    echo "crash input of $name: $path (log: $work/$name.log)"
    status=1
  done <"$work/$name.crashes"
  # A target that ran nothing (a missing dictionary, a fuzzer that would not
  # start) has tested nothing: that is no pass.
  if grep -q ': 0 executions' "$work/$name.result"; then
    echo "$name ran no input (log: $work/$name.log)"
    status=1
  fi
done
exit $status
