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

# Builds the viewer and the tool in a Release tree with Qt, converts the
# bundled cell 6443-20 into $WORK/db with its 10 x 10 area 十勝平野, and gives
# the viewer a settings store of its own under $WORK/home with the database
# folder confirmed, so that no folder dialog opens. Sets VIEWER and DB.
prepare_sample_viewer() {
    build_qt_release quarrenby quarrenby-cli
    VIEWER=$BUILD_DIR/shell/quarrenby
    DB=$WORK/db
    convert_sample "$DB"
    "$CLI" area write "$DB" 十勝平野 "$DB/5m/6443-20-00.3dm" 10 10 0 9 >/dev/null
    use_private_home
    mkdir -p "$XDG_CONFIG_HOME/Quarrenby 5_0"
    printf '[Param]\nDataBaseFolderFlg=1\n' >"$XDG_CONFIG_HOME/Quarrenby 5_0/Quarrenby.ini"
}

# Configures BUILD_DIR as a Release tree with Qt and builds the targets.
build_qt_release() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARRENBY_QT=ON >/dev/null
    build_release "$@"
}

# Converts the bundled cell 6443-20 (67 tiles of 5 m) into the database folder $1.
convert_sample() {
    "$CLI" convert "$ROOT/data/sample/FG-GML-6443-20-DEM5A.zip" --database "$1" >/dev/null
}

# A home, settings and runtime folder of the run's own under $WORK, so that
# the user's settings and browser storage stay untouched.
use_private_home() {
    export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_RUNTIME_DIR=$WORK/runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

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
