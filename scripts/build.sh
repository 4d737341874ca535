#!/usr/bin/env bash
# Configures and builds one build folder: build.sh FOLDER [cmake options...]
# The options are applied on every run, so a folder configured earlier with
# other values (say QUARRENBY_QT=OFF) is brought in line with them.
# BUILD_TARGET limits the build to one target.
set -euo pipefail
folder=$1
shift
if [ ! -f "$folder/build.ninja" ] || [ $# -gt 0 ]; then
  cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
fi
cmake --build "$folder" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
