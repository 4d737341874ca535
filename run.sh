#!/usr/bin/env bash
# Installs what is missing, builds Quarrenby (Release) and shows the facts of
# the bundled sample files.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
for sample in data/sample/*.3dm data/sample/*.mem; do
  build/cli/quarrenby-cli info "$sample"
  echo
done
