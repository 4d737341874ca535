#!/usr/bin/env bash
# Installs the Debian packages Quarrenby needs to build and test, but only
# those that are missing, then the map page's npm packages when the lock file
# is newer than them, so that a second run costs a few milliseconds.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-noto-cjk
  libqt6opengl6-dev libgl-dev libegl-dev libgl1-mesa-dri libegl-mesa0
  qt6-webengine-dev qt6-webchannel-dev libqt6webenginecore6-bin
  libqt6webengine6-data qt6-webengine-dev-tools
  libzip-dev libfast-float-dev
  libgtest-dev libgmock-dev libbenchmark-dev libexpat1-dev
  gdal-bin python3-gdal libgdal-dev python3-lxml
  xvfb xauth ghostscript desktop-file-utils shared-mime-info
  nodejs npm chromium
)

# A Node.js from another source (NodeSource's nodejs brings its own npm and
# conflicts with Debian's npm package) counts as long as the command works.
provided_by_command() {
  [ "$1" = npm ] && command -v npm >/dev/null 2>&1
}

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = "installed" ] || provided_by_command "$package" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing Debian packages: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# npm ci writes node_modules/.package-lock.json, so a lock file newer than it
# means the pinned versions changed since the last install.
if [ ! node_modules/.package-lock.json -nt package-lock.json ]; then
  echo "Installing the npm packages of package-lock.json"
  npm ci --no-audit --no-fund --loglevel=error
fi
