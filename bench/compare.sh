#!/usr/bin/env bash
# Whole-process comparison of quarrenby-cli with the GDAL tools doing the same
# work, each command run RUNS times under /usr/bin/time -v; prints the median
# wall time, the median peak memory and the Quarrenby/GDAL ratio of the times.
#
#   bench/compare.sh [RUNS]          RUNS defaults to 5
#   BUILD_DIR=... bench/compare.sh   a Release build folder (default build-release)
set -euo pipefail

RUNS=${1:-5}
source "$(dirname "$0")/common.sh"
build_release quarrenby-cli qb_bench
"$BUILD_DIR/bench/qb_bench" --write-fixtures "$WORK"

# One thread for GDAL, and no .aux.xml that would cache statistics between runs.
export GDAL_NUM_THREADS=1 GDAL_PAM_ENABLED=NO

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
