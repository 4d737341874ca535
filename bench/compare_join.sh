#!/usr/bin/env bash
# Joining tiles and opening areas, in process (qb_bench) and as whole
# quarrenby-cli runs under /usr/bin/time -v, on the database that
# `qb_bench --write-join-fixtures` writes (a 4 x 4 block of 10 m tiles,
# 4500 x 3000 points, with 5 m tiles over its middle) and on the real sample
# cell 6443-20:
# - the join of the 10 m block beside fread of the same bytes (goal: at most
#   1.5 x) and beside GDAL building the same mosaic, gdalbuildvrt then
#   gdal_translate (goal: at most half of GDAL's time);
# - the 5 m + 10 m hybrid open of the block, time and peak resident memory
#   (goal: at most 1.5 x the final grid's bytes + 300 MiB);
# - the sample cell opened from its 67 real 5 m tiles.
#
#   bench/compare_join.sh [RUNS]          RUNS defaults to 5
#   BUILD_DIR=... bench/compare_join.sh   a Release build folder (default build-release)
set -euo pipefail

RUNS=${1:-5}
source "$(dirname "$0")/common.sh"
build_release quarrenby-cli qb_bench
BENCH=$BUILD_DIR/bench/qb_bench
DB=$WORK/db
mkdir "$DB"
"$BENCH" --write-join-fixtures "$DB"
# One thread for GDAL, and no .aux.xml files beside the tiles.
export GDAL_NUM_THREADS=1 GDAL_PAM_ENABLED=NO
BLOCK=(--west 139 --east 139.5 --south 35 --north 35.333333333)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }'; }
verdict() { awk -v v="$1" -v goal="$2" 'BEGIN { print (v <= goal) ? "met" : "missed" }'; }

# In process: the median of RUNS repetitions (at least 2, so that there is one).
if ! "$BENCH" --benchmark_filter='Join4x4|OpenHybrid' --benchmark_repetitions="$((RUNS > 1 ? RUNS : 2))" \
    --benchmark_report_aggregates_only=true --benchmark_format=csv >"$WORK/bench.csv" 2>"$WORK/bench.err"; then
    cat "$WORK/bench.err" >&2
    exit 1
fi
# bench_ms NAME COLUMN: the median's real (3) or CPU (4) time in milliseconds.
bench_ms() {
    awk -F, -v name="\"$1_median\"" -v column="$2" '$1 == name { print $column; found = 1 }
        END { if (!found) exit 1 }' "$WORK/bench.csv" || { echo "$SCRIPT: no result for $1" >&2; exit 1; }
}

echo "In process, median of $RUNS repetitions, ms (wall / CPU)"
for name in Quarrenby ReadBytes GdalVrtTranslate; do
    printf '  %-30s %9.1f %9.1f\n' "BM_Join4x4_$name" "$(bench_ms "BM_Join4x4_$name" 3)" "$(bench_ms "BM_Join4x4_$name" 4)"
done
printf '  %-30s %9.1f %9.1f\n' BM_OpenHybrid_Quarrenby "$(bench_ms BM_OpenHybrid_Quarrenby 3)" \
    "$(bench_ms BM_OpenHybrid_Quarrenby 4)"
for column in 3 4; do
    kind=$([[ $column == 3 ]] && echo wall || echo CPU)
    join=$(bench_ms BM_Join4x4_Quarrenby $column)
    toRead=$(ratio "$join" "$(bench_ms BM_Join4x4_ReadBytes $column)")
    toGdal=$(ratio "$join" "$(bench_ms BM_Join4x4_GdalVrtTranslate $column)")
    printf '  %-4s join / fread %s (goal 1.5: %s), join / GDAL %s (goal 0.5: %s)\n' "$kind" \
        "$toRead" "$(verdict "$toRead" 1.5)" "$toGdal" "$(verdict "$toGdal" 0.5)"
done

echo
echo "Whole process, median of $RUNS runs (/usr/bin/time resolution 0.01 s)"
printf '  %-44s %9s %11s\n' "" "wall" "peak"
row() { printf '  %-44s %7.2f s %7.1f MiB\n' "$1" "$WALL" "$PEAK"; }

measure "$CLI" open --database "$DB" --mesh-setting 1 "${BLOCK[@]}"
qJoin=$WALL
row "quarrenby-cli open, 10 m 4 x 4 (grid in memory)"
measure sh -c 'gdalbuildvrt -q -overwrite "$1/mosaic.vrt" "$2"/10m/*.3dm &&
    gdal_translate -q -of ENVI "$1/mosaic.vrt" "$1/mosaic.bin"' sh "$WORK" "$DB"
row "gdalbuildvrt + gdal_translate -of ENVI"
toGdal=$(ratio "$qJoin" "$WALL")
echo "  quarrenby-cli / GDAL $toGdal (goal 0.5: $(verdict "$toGdal" 0.5))"

measure "$CLI" open --database "$DB" --mesh-setting 3 "${BLOCK[@]}"
row "quarrenby-cli open, 5 m on 10 m, 9000 x 6000"
gridMiB=$(awk 'BEGIN { printf "%.1f", 9000 * 6000 * 4 / 1048576 }')
goal=$(awk -v g="$gridMiB" 'BEGIN { printf "%.1f", 1.5 * g + 300 }')
echo "  peak $PEAK MiB for a grid of $gridMiB MiB: goal $goal MiB ($(verdict "$PEAK" "$goal")), $(ratio "$PEAK" "$gridMiB") x the grid"

"$CLI" convert "$ROOT/data/sample/FG-GML-6443-20-DEM5A.zip" --database "$WORK/sample" >/dev/null
measure "$CLI" open --database "$WORK/sample" --mesh-setting 2 --west 143 --east 143.125 --south 42.833333333 \
    --north 42.916666667
row "quarrenby-cli open, sample cell 6443-20 (5 m)"
