# Shared by the whole-process comparisons (sourced, not run): the Release
# build folder, a scratch folder and the timing of commands under
# /usr/bin/time -v.
#
# Sets ROOT (the source tree), BUILD_DIR (default build-release), CLI and WORK
# (a scratch folder removed at exit). The caller sets RUNS before measure.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-release}
CLI=$BUILD_DIR/cli/quarrenby-cli
SCRIPT=$(basename "$0")

# Configures a Release tree in BUILD_DIR when there is none and builds the targets.
build_release() {
    if [[ ! -f $BUILD_DIR/CMakeCache.txt ]]; then
        cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARRENBY_QT=OFF >/dev/null
    fi
    # An empty build type is Release too (the top-level CMakeLists.txt picks it).
    if ! grep -qxE 'CMAKE_BUILD_TYPE:STRING=(Release)?' "$BUILD_DIR/CMakeCache.txt"; then
        echo "$SCRIPT: $BUILD_DIR is not a Release build" >&2
        exit 2
    fi
    cmake --build "$BUILD_DIR" -j2 --target "$@" >/dev/null
}

WORK=$(mktemp -d "${TMPDIR:-/tmp}/quarrenby-compare-XXXXXX")
trap 'rm -rf "$WORK"' EXIT

median() {
    printf '%s\n' "$@" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Runs a command RUNS times; sets WALL (seconds) and PEAK (MiB) to the medians.
# When BEFORE_RUN names a command, it runs before each run, outside the timing.
measure() {
    local walls=() peaks=() i
    for ((i = 0; i < RUNS; ++i)); do
        if [[ -n ${BEFORE_RUN:-} ]]; then
            $BEFORE_RUN
        fi
        if ! /usr/bin/time -v -o "$WORK/time.txt" "$@" >/dev/null 2>"$WORK/stderr.txt"; then
            echo "$SCRIPT: failed: $*" >&2
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
