#!/usr/bin/env bash
# The open-from-map dialog's web map, from the dialog's start to the page
# drawn with its mesh grid and the red outlines of the cells holding tiles
# (qb_webmap_bench), on a virtual display, offline, each run a fresh process:
#   sample  the bundled cell 6443-20 converted (67 tiles of 5 m, one cell)
#   large   20,000 empty 5 m tiles in 4,000 secondary cells (5 each) over
#           central Japan, round the map's first centre (35 N, 135 E)
# each with the default layer (GSI Standard, whose tiles fail without a
# network) and with the offline layer stored as the last one used. Prints
# the medians of the first opening of each process (the browser's start
# included) and of a second one in the same process. Goals: 1.5 s for the
# sample, 3 s for the large database.
#
#   bench/map_load.sh [RUNS]            RUNS defaults to 5
#   BUILD_DIR=... bench/map_load.sh     a Release build with Qt (default build-release)
set -euo pipefail

RUNS=${1:-5}
source "$(dirname "$0")/common.sh"
build_qt_release qb_webmap_bench quarrenby-cli
BENCH=$BUILD_DIR/shell/qb_webmap_bench

# Empty tiles named "PPQQ-ab-cd.3dm" in folder $1: $2 secondary cells, $3
# tenth cells in each. The map reads only the names.
make_tile_names() {
    mkdir -p "$1"
    awk -v cells="$2" -v per="$3" 'BEGIN {
        n = 0
        for (p = 50; p <= 57 && n < cells; ++p) for (q = 33; q <= 40 && n < cells; ++q)
            for (a = 0; a < 8 && n < cells; ++a) for (b = 0; b < 8 && n < cells; ++b) {
                for (t = 0; t < per; ++t) printf "%02d%02d-%d%d-%d%d.3dm\n", p, q, a, b, t * 2, t * 2
                ++n
            }
    }' | (cd "$1" && xargs touch)
}

convert_sample "$WORK/sample"
make_tile_names "$WORK/large/5m" 4000 5
use_private_home

# One virtual display for all runs; one run before each case warms the caches.
xvfb-run -a -s "-screen 0 1400x900x24" bash -c '
    runs=$1 work=$2 bench=$3
    for db in sample large; do
        for layer in "" Offline; do
            for ((i = 0; i <= runs; ++i)); do
                "$bench" --database "$work/$db" --mesh-setting 2 --openings 2 ${layer:+--layer "$layer"} \
                    >"$work/$db${layer:+-$layer}.$i" 2>"$work/stderr.txt" || {
                    echo "map_load.sh: qb_webmap_bench failed on $db ${layer:-GSI Standard}" >&2
                    grep qb_webmap_bench "$work/stderr.txt" >&2
                    exit 1
                }
            done
        done
    done' _ "$RUNS" "$WORK" "$BENCH"

# The milliseconds of phase $1 in opening $2 of every run of case $3.
phase() {
    local i
    for ((i = 1; i <= RUNS; ++i)); do
        sed -n "s/^opening $2:.* $1 \([0-9]*\) ms.*/\1/p" "$WORK/$3.$i"
    done
}
seconds() { awk -v ms="$1" 'BEGIN { printf "%.3f", ms / 1000 }'; }
# "fastest-slowest" of the numbers given, in seconds.
spread() { printf '%s\n' "$@" | sort -g | awk 'NR == 1 { a = $1 } { b = $1 } END { printf "%.2f-%.2f", a / 1000, b / 1000 }'; }

echo "Open-from-map dialog to the map drawn with its grid and outlines (5 m), median of $RUNS runs, seconds:"
printf '  %-22s %9s %9s %9s %10s %6s %6s %11s\n' case MapLoaded 'areas run' drawn '(spread)' goal ratio 'drawn (2nd)'
for db in sample large; do
    goal=$([[ $db == sample ]] && echo 1500 || echo 3000)
    for layer in "" Offline; do
        case=$db${layer:+-$layer}
        loaded=$(median $(phase MapLoaded 1 "$case"))
        done_=$(median $(phase 'areas done' 1 "$case"))
        drawns=($(phase drawn 1 "$case"))
        drawn=$(median "${drawns[@]}")
        second=$(median $(phase drawn 2 "$case"))
        printf '  %-22s %9s %9s %9s %10s %6s %6s %11s\n' "$db, ${layer:-GSI Standard}" "$(seconds "$loaded")" \
            "$(seconds "$done_")" "$(seconds "$drawn")" "$(spread "${drawns[@]}")" "$(seconds "$goal")" \
            "$(awk -v a="$drawn" -v b="$goal" 'BEGIN { printf "%.2f", a / b }')" "$(seconds "$second")"
    done
done
sed -n 's/^opening 1:.*script \(.*\); page: \(.*\)/  large: \1; the page holds \2/p' "$WORK/large.1"
startups=()
for ((i = 1; i <= RUNS; ++i)); do
    startups+=("$(sed -n 's/^start-up \([0-9]*\) ms/\1/p' "$WORK/sample.$i")")
done
echo "  before the dialog, the program's start (application, web profile): $(seconds "$(median "${startups[@]}")") s"
