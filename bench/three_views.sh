#!/usr/bin/env bash
# The three views of the sample area, in the program as a user drives it
# (qb_three_views_bench), on a virtual display, offline, each run a fresh
# process:
#   open    from OK in the open-from-map dialog (the whole cell 6443-20, 10 x 10
#           tiles of 5 m) to the 2-D view painted and then the map view and the
#           rendering view, brought up at once, drawn; goal 3 s
#   inside  a move east inside the grid with the three views tiled, until all
#           three have drawn again; goal 2 s
#   edge    a move east past the grid's edge (the cell re-opened one tile
#           further east) until the new area's three views have drawn; goal 2 s
# Prints the median of each view's drawing and of the whole, the spread and
# the ratio to the goal.
#
#   bench/three_views.sh [RUNS] [CASES]   RUNS defaults to 5, CASES to "open inside edge"
#   BUILD_DIR=... bench/three_views.sh    a Release build with Qt (default build-release)
set -euo pipefail

RUNS=${1:-5}
CASES=${2:-open inside edge}
source "$(dirname "$0")/common.sh"
build_qt_release qb_three_views_bench quarrenby-cli
BENCH=$BUILD_DIR/shell/qb_three_views_bench

convert_sample "$WORK/db"
use_private_home

# One virtual display for all runs; one run before each case warms the caches.
xvfb-run -a -s "-screen 0 1400x900x24" bash -c '
    runs=$1 work=$2 bench=$3 cases=$4
    for case in $cases; do
        for ((i = 0; i <= runs; ++i)); do
            "$bench" --database "$work/db" --case "$case" >"$work/$case.$i" 2>"$work/stderr.txt" || {
                echo "three_views.sh: qb_three_views_bench failed on $case" >&2
                grep qb_three_views_bench "$work/stderr.txt" >&2
                exit 1
            }
        done
    done' _ "$RUNS" "$WORK" "$BENCH" "$CASES"

# The milliseconds of field $1 in every run of case $2.
field() {
    local i
    for ((i = 1; i <= RUNS; ++i)); do
        sed -n "s/.* $1 \([0-9-]*\) ms.*/\1/p" "$WORK/$2.$i"
    done
}
seconds() { awk -v ms="$1" 'BEGIN { printf "%.3f", ms / 1000 }'; }
spread() { printf '%s\n' "$@" | sort -g | awk 'NR == 1 { a = $1 } { b = $1 } END { printf "%.2f-%.2f", a / 1000, b / 1000 }'; }

echo "The three views of the sample area, median of $RUNS runs, seconds:"
printf '  %-8s %8s %9s %10s %8s %10s %6s %6s\n' case '2-D view' 'map view' 'rendering' all '(spread)' goal ratio
for case in $CASES; do
    goal=$([[ $case == open ]] && echo 3000 || echo 2000)
    alls=($(field all "$case"))
    all=$(median "${alls[@]}")
    printf '  %-8s %8s %9s %10s %8s %10s %6s %6s\n' "$case" "$(seconds "$(median $(field '2-D view' "$case"))")" \
        "$(seconds "$(median $(field 'map view' "$case"))")" "$(seconds "$(median $(field 'rendering view' "$case"))")" \
        "$(seconds "$all")" "$(spread "${alls[@]}")" "$(seconds "$goal")" \
        "$(awk -v a="$all" -v b="$goal" 'BEGIN { printf "%.2f", a / b }')"
done
