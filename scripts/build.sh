#!/usr/bin/env bash
# Configures (once) and builds one build folder: build.sh FOLDER [cmake options...]
# BUILD_TARGET limits the build to one target.
set -euo pipefail
folder=$1
shift
if [ ! -f "$folder/build.ninja" ]; then
  cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
fi
cmake --build "$folder" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
