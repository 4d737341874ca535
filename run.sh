#!/usr/bin/env bash
# Installs what is missing, builds Quarrenby (Release), converts the bundled
# sample of the Tokachi plain into a database folder (the first time only) and
# opens its whole cell 6443-20 as a 5 m area, showing the map information.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
cli=build/cli/quarrenby-cli
database=build/sample-database
if [ ! -d "$database/5m" ]; then
  "$cli" convert data/sample/FG-GML-6443-20-DEM5A.zip --database "$database"
fi
"$cli" open --database "$database" --mesh-setting 2 --west 143 --east 143.125 --south 42.833333333 --north 42.916666667
