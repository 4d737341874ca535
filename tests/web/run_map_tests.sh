#!/usr/bin/env bash
# Runs the map page's browser tests on the copy beside the viewer, or skips
# them (exit 77) when Node.js, Chromium or the npm packages are missing.
#   run_map_tests.sh PAGE_DIR SOURCE_DIR
set -euo pipefail
page=$1
source=$2
skip() { echo "map page tests skipped: $* (scripts/install-deps.sh installs it)"; exit 77; }
command -v node >/dev/null || skip "no node command"
[ -x /usr/bin/chromium ] || skip "no /usr/bin/chromium"
[ -d "$source/node_modules/playwright-core" ] || skip "no node_modules/playwright-core"
[ -f "$page/map.html" ] && [ -f "$page/leaflet/leaflet.js" ] || { echo "no map page with Leaflet in $page" >&2; exit 1; }
exec node "$source/tests/web/map.test.mjs" "$page"
