#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, then runs the unit tests
# once more in a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# and every fuzz target of the readers for 20 seconds.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DQUARRENBY_QT=ON
(cd build && ctest --output-on-failure -j2)

BUILD_TARGET=qb_unit_tests scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARRENBY_SANITIZE=ON -DQUARRENBY_QT=OFF -DQUARRENBY_BENCH=OFF
(cd build-sanitize && ctest --output-on-failure -j2 -L unit)

scripts/fuzz.sh 20
