#!/usr/bin/env bash
# Whole-process comparison of quarrenby-cli with the GDAL tools doing the same
# work, each command run RUNS times under /usr/bin/time -v; prints the median
# wall time, the median peak memory and the Quarrenby/GDAL ratio of the times.
#
#   bench/compare.sh [RUNS]          RUNS defaults to 5
#   BUILD_DIR=... bench/compare.sh   a Release build folder (default build-release)
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-release}
RUNS=${1:-5}

if [[ ! -f $BUILD_DIR/CMakeCache.txt ]]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARRENBY_QT=OFF >/dev/null
fi
# An empty build type is Release too (the top-level CMakeLists.txt picks it).
if ! grep -qxE 'CMAKE_BUILD_TYPE:STRING=(Release)?' "$BUILD_DIR/CMakeCache.txt"; then
    echo "compare.sh: $BUILD_DIR is not a Release build" >&2
    exit 2
fi
cmake --build "$BUILD_DIR" -j2 --target quarrenby-cli qb_bench >/dev/null

CLI=$BUILD_DIR/cli/quarrenby-cli
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quarrenby-compare-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
"$BUILD_DIR/bench/qb_bench" --write-fixtures "$WORK"

# One thread for GDAL, and no .aux.xml that would cache statistics between runs.
export GDAL_NUM_THREADS=1 GDAL_PAM_ENABLED=NO

median() {
    printf '%s\n' "$@" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Runs a command RUNS times; sets WALL (seconds) and PEAK (MiB) to the medians.
measure() {
    local walls=() peaks=() i
    for ((i = 0; i < RUNS; ++i)); do
        if ! /usr/bin/time -v -o "$WORK/time.txt" "$@" >/dev/null 2>"$WORK/stderr.txt"; then
            echo "compare.sh: failed: $*" >&2
            cat "$WORK/stderr.txt" >&2
            exit 1
        fi
        walls+=("$(awk -F': ' '/Elapsed \(wall clock\)/ {
            n = split($2, part, ":"); s = 0
            for (k = 1; k <= n; ++k) s = s * 60 + part[k]
            print s }' "$WORK/time.txt")")
        peaks+=("$(awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$WORK/time.txt")")
    done
    WALL=$(median "${walls[@]}")
    PEAK=$(median "${peaks[@]}")
}

# compare TITLE QUARRENBY-COMMAND... -- GDAL-COMMAND...
compare() {
    local title=$1 quarrenby=()
    shift
    while [[ $1 != -- ]]; do
        quarrenby+=("$1")
        shift
    done
    shift
    measure "${quarrenby[@]}"
    local qWall=$WALL qPeak=$PEAK
    measure "$@"
    printf '%-26s %9.2f s %7.1f MiB   %9.2f s %7.1f MiB   %6.2f\n' "$title" "$qWall" "$qPeak" "$WALL" "$PEAK" \
        "$(awk -v q="$qWall" -v g="$WALL" 'BEGIN { print (g > 0) ? q / g : 0 }')"
}

echo "median of $RUNS runs (/usr/bin/time resolution 0.01 s)"
printf '%-26s %21s   %21s   %6s\n' "" "quarrenby-cli" "GDAL" "ratio"
compare "info 1125x750 .3dm" "$CLI" info "$WORK/tile.3dm" -- gdalinfo -mm "$WORK/tile.3dm"
compare "info 200x200 .mem" "$CLI" info "$WORK/mesh.mem" -- gdalinfo -mm "$WORK/mesh.mem"
compare "refine x2 4500x3000" "$CLI" refine "$WORK/big.3dm" 2 "$WORK/refined.3dm" -- \
    gdalwarp -q -overwrite -of ENVI -r cubic -ts 9000 6000 -wo NUM_THREADS=1 "$WORK/big.3dm" "$WORK/warped.bin"
