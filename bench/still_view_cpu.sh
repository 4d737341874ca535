#!/usr/bin/env bash
# The processor share of a still, open rendering view: the viewer starts on
# the sample area (cell 6443-20 as a 5 m area of 10 x 10 tiles, 2250 x 1500
# points) with --rendering-view on a virtual display, the rendering view is
# built and drawn once, and then the process's processor time (user +
# system, from /proc/PID/stat) is read over ten seconds with nothing
# touched. A view drawn on demand does nothing while still. Goal: <= 2 % of
# one core.
#
#   bench/still_view_cpu.sh [SECONDS]    SECONDS defaults to 10
#   BUILD_DIR=... bench/still_view_cpu.sh   a Release build folder (default build-release)
set -euo pipefail

SECONDS_IDLE=${1:-10}
source "$(dirname "$0")/common.sh"
prepare_sample_viewer

xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    "$1" --rendering-view --database "$2" --mesh-setting 2 "$2/十勝平野.ARE" >"$3/out.txt" 2>"$3/err.txt" &
    pid=$!
    # A start-up warning (no globe data in a build folder) waits for its OK:
    # Return answers it.
    for ((i = 0; i < 600; ++i)); do
        grep -q "first frame" "$3/out.txt" 2>/dev/null && break
        if ((i % 10 == 9)) && command -v xdotool >/dev/null; then
            xdotool key Return 2>/dev/null || true
        fi
        sleep 0.1
    done
    if ! grep -q "first frame" "$3/out.txt"; then
        echo "no rendering view was drawn" >&2
        cat "$3/err.txt" >&2
        kill "$pid"
        exit 1
    fi
    sleep 1
    echo "$(sed "s/^.*) //" /proc/$pid/stat | awk "{ print \$12 + \$13 }")" >"$3/ticks.0"
    sleep "$4"
    echo "$(sed "s/^.*) //" /proc/$pid/stat | awk "{ print \$12 + \$13 }")" >"$3/ticks.1"
    kill "$pid"
    wait "$pid" 2>/dev/null || true' _ "$VIEWER" "$DB" "$WORK" "$SECONDS_IDLE"

HZ=$(getconf CLK_TCK)
used=$(( $(cat "$WORK/ticks.1") - $(cat "$WORK/ticks.0") ))
awk -v t="$used" -v hz="$HZ" -v s="$SECONDS_IDLE" -v before="$(cat "$WORK/ticks.0")" 'BEGIN {
    printf "Still rendering view of the sample area (2250 x 1500 points), %d s after its first frame:\n", s
    printf "  processor time to open it and draw it once %.2f s\n", before / hz
    printf "  processor time %.2f s, %.2f %% of one core   (goal: <= 2 %%)\n", t / hz, 100 * t / hz / s }'
