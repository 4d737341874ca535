#!/usr/bin/env bash
# Installs what is missing, builds Quarrenby (Release), converts the bundled
# sample of the Tokachi plain into a database folder and writes its area file
# (the first time only), then starts the viewer on that area: cell 6443-20 as
# a 5 m area of 10 x 10 tiles.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'TEXT'
Quarrenby is a desktop program and needs a display, but none was found
(neither DISPLAY nor WAYLAND_DISPLAY is set).

Run ./run.sh in a terminal of your desktop session, or from a computer
with a desktop over ssh -X. The command-line tool needs no display:
  build/cli/quarrenby-cli --help
TEXT
  exit 1
fi

scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DQUARRENBY_QT=ON
cli=build/cli/quarrenby-cli
database="$PWD/build/sample-database"
area="$database/十勝平野.ARE"
if [ ! -d "$database/5m" ]; then
  "$cli" convert data/sample/FG-GML-6443-20-DEM5A.zip --database "$database"
fi
if [ ! -f "$area" ]; then
  "$cli" area write "$database" 十勝平野 "$database/5m/6443-20-00.3dm" 10 10 0 9
fi
exec build/shell/quarrenby --database "$database" --mesh-setting 2 "$area"
