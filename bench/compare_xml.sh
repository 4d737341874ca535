#!/usr/bin/env bash
# Reading the agency's elevation XML: ImportXml in process (qb_bench) beside
# the reader a user would write with Python lxml (lxml_reader.py), on the same
# files, in MB/s (10^6 bytes per CPU second) with the ratio; then the conversion
# of the 67-tile archive and of the same tiles unpacked into a folder, in
# process and as whole quarrenby-cli runs under /usr/bin/time, in tiles per
# second.
#
#   bench/compare_xml.sh [RUNS]          RUNS defaults to 5
#   BUILD_DIR=... bench/compare_xml.sh   a Release build folder (default build-release)
#   PYTHON=... bench/compare_xml.sh      the Python with lxml (default /usr/bin/python3)
set -euo pipefail

RUNS=${1:-5}
PYTHON=${PYTHON:-/usr/bin/python3}
source "$(dirname "$0")/common.sh"
build_release quarrenby-cli qb_bench

ZIP=$ROOT/data/sample/FG-GML-6443-20-DEM5A.zip
BENCH=$BUILD_DIR/bench/qb_bench
# The same bytes as qb_bench makes for itself: the archive's members unpacked
# into dem5a/, and the generated 10 m tile dem10m.xml (fixed seed).
"$BENCH" --write-xml-fixtures "$WORK"
TILES=$WORK/dem5a
TILE10=$WORK/dem10m.xml

if ! "$BENCH" --benchmark_filter='ImportXml|ConvertXml' --benchmark_repetitions="$RUNS" \
    --benchmark_report_aggregates_only=true --benchmark_out="$WORK/bench.json" \
    --benchmark_out_format=json >/dev/null 2>"$WORK/bench.err"; then
    cat "$WORK/bench.err" >&2
    exit 1
fi

# bench_value NAME FIELD: FIELD of benchmark NAME (its median over the repetitions).
bench_value() {
    "$PYTHON" - "$WORK/bench.json" "$1" "$2" <<'EOF'
import json, sys
path, name, field = sys.argv[1:]
# Names carry "/real_time"; the median aggregate when there were repetitions.
runs = [b for b in json.load(open(path))["benchmarks"]
        if b.get("run_name", b["name"]).split("/")[0] == name and not b.get("error_occurred")]
median = [b for b in runs if b.get("aggregate_name") == "median"]
plain = [b for b in runs if b.get("run_type", "iteration") == "iteration"]
run = (median or plain or [None])[0]
if run is None:
    sys.exit(f"compare_xml.sh: no result for {name}")
print(run[field])
EOF
}

mb() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1fx", (b > 0) ? a / b : 0 }'; }

HAVE_NUMPY=0
"$PYTHON" -c 'import numpy' 2>/dev/null && HAVE_NUMPY=1

# read_row TITLE FILE-BENCHMARK MEMORY-BENCHMARK PATH: ImportXml from files and
# from memory, lxml, and lxml with numpy.
read_row() {
    local title=$1 path=$4
    local file memory lxml numpy="" numpyRatio=""
    file=$(bench_value "$2" bytes_per_second)
    file=$(mb "$file")
    memory=$(bench_value "$3" bytes_per_second)
    memory=$(mb "$memory")
    lxml=$("$PYTHON" "$ROOT/bench/lxml_reader.py" --runs "$RUNS" --value "$path")
    if ((HAVE_NUMPY)); then
        numpy=$("$PYTHON" "$ROOT/bench/lxml_reader.py" --runs "$RUNS" --value --numpy "$path")
        numpyRatio=$(ratio "$file" "$numpy")
    fi
    printf '%-24s %10s %10s %10s %7s %10s %7s\n' "$title" "$file" "$memory" "$lxml" "$(ratio "$file" "$lxml")" \
        "${numpy:--}" "${numpyRatio:--}"
}

xml_bytes() { find "$@" -name '*.xml' -printf '%s\n' | awk '{ s += $1 } END { print s }'; }

echo "Reading, MB/s (10^6 bytes per CPU second), median of $RUNS; ratio = ImportXml from files / Python"
printf '%-24s %10s %10s %10s %7s %10s %7s\n' "" "ImportXml" "ImportXml" "lxml" "ratio" "lxml+numpy" "ratio"
printf '%-24s %10s %10s\n' "" "files" "memory"
read_row "5 m, 67 tiles, $(mb "$(xml_bytes "$TILES")") MB" BM_ImportXml5m_Files BM_ImportXml5m_Memory "$TILES"
read_row "10 m, 1 tile, $(mb "$(xml_bytes "$TILE10")") MB" BM_ImportXml10m_File BM_ImportXml10m_Memory "$TILE10"

fresh_database() {
    rm -rf "$WORK/db"
    mkdir "$WORK/db"
}
BEFORE_RUN=fresh_database

# convert_row TITLE BENCHMARK INPUT: in-process and whole-process tiles per second.
convert_row() {
    local title=$1 name=$2 input=$3 found inProcess
    fresh_database
    found=$("$CLI" convert "$input" --database "$WORK/db" | sed -n 's/^Found \([0-9]*\),.*/\1/p')
    inProcess=$(bench_value "$name" tiles)
    measure "$CLI" convert "$input" --database "$WORK/db"
    printf '%-24s %6d %12.1f %12.1f %9.2f s %7.1f MiB\n' "$title" "$found" "$inProcess" \
        "$(awk -v n="$found" -v s="$WALL" 'BEGIN { print (s > 0) ? n / s : 0 }')" "$WALL" "$PEAK"
}

echo
echo "Conversion into an empty database folder, tiles/s, median of $RUNS (/usr/bin/time resolution 0.01 s)"
printf '%-24s %6s %12s %12s %11s %11s\n' "" "tiles" "in process" "cli" "cli wall" "cli peak"
convert_row "from the .zip" BM_ConvertXml5m_Zip "$ZIP"
convert_row "from the folder" BM_ConvertXml5m_Folder "$TILES"
