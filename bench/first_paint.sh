#!/usr/bin/env bash
# From the command line to the first painted 2-D view of the sample area
# (cell 6443-20 as a 5 m area of 10 x 10 tiles, 2250 x 1500 points, with its
# place names), on a virtual display, warm cache. The viewer times its own
# phases (--first-paint-timing prints them and quits after the first paint):
# start-up (settings, folders, main window), open (joining the tiles in the
# progress dialog, the place names, the view window) and first paint; the
# whole process is timed by /usr/bin/time. Goal: under one second.
#
#   bench/first_paint.sh [RUNS]          RUNS defaults to 7
#   BUILD_DIR=... bench/first_paint.sh   a Release build folder (default build-release)
set -euo pipefail

RUNS=${1:-7}
source "$(dirname "$0")/common.sh"
prepare_sample_viewer

# One virtual display for all runs; the first run warms the caches.
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    for ((i = 0; i <= $1; ++i)); do
        /usr/bin/time -f "wall %e" -o "$2/time.$i" "$3" --first-paint-timing --database "$4" \
            --mesh-setting 2 "$4/十勝平野.ARE" >"$2/phases.$i" 2>/dev/null
    done' _ "$RUNS" "$WORK" "$VIEWER" "$DB"

field() { sed -n "s/.*$1 \([0-9.]*\) ms.*/\1/p" "$2"; }
startup=() open=() paint=() total=() wall=()
for ((i = 1; i <= RUNS; ++i)); do
    startup+=("$(field start-up "$WORK/phases.$i")")
    open+=("$(field open "$WORK/phases.$i")")
    paint+=("$(field 'first paint' "$WORK/phases.$i")")
    total+=("$(field total "$WORK/phases.$i")")
    wall+=("$(sed -n 's/^wall //p' "$WORK/time.$i")")
done
echo "Sample area 6443-20 (5 m, 2250 x 1500 points), first painted 2-D view, median of $RUNS runs:"
printf '  start-up    %6s ms\n' "$(median "${startup[@]}")"
printf '  open        %6s ms\n' "$(median "${open[@]}")"
printf '  first paint %6s ms\n' "$(median "${paint[@]}")"
printf '  total       %6s ms   (goal: under 1000 ms)\n' "$(median "${total[@]}")"
printf '  whole process, to exit: %s s\n' "$(median "${wall[@]}")"
