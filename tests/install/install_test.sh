#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs of
# it: the commands, the data beside the program, the menu entry, the icons,
# the file type of the tiles, and that the menu entry's command opens a tile
# (as a double click does); then builds the .deb and looks inside.
#
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/quarrenby-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "install_test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quarrenby bin/quarrenby-cli lib/quarrenby/place/tessim2.pln lib/quarrenby/japan.GLL \
         lib/quarrenby/map.html lib/quarrenby/map.js lib/quarrenby/map.css \
         lib/quarrenby/leaflet/leaflet.js lib/quarrenby/leaflet/images/layers.png \
         share/applications/quarrenby.desktop share/mime/packages/quarrenby.xml \
         share/icons/hicolor/scalable/apps/quarrenby.svg \
         share/icons/hicolor/scalable/mimetypes/application-x-quarrenby-3dm.svg; do
    [ -e "$prefix/$f" ] || fail "$f was not installed"
done

desktop=$prefix/share/applications/quarrenby.desktop
desktop-file-validate "$desktop" || fail "the menu entry is not valid"
grep -qx 'MimeType=application/x-quarrenby-3dm;' "$desktop" || fail "the menu entry does not open tiles"
grep -q '^application/x-quarrenby-3dm:\*\.3dm$' "$prefix/share/mime/globs" ||
    fail "the file type of *.3dm was not registered in the prefix"

# The installed tool finds the place names delivered beside it.
names=$("$prefix/bin/quarrenby-cli" places "$prefix/lib/quarrenby/place/tessim2.pln")
grep -q 富士山 <<<"$names" || fail "the installed tool cannot read the delivered place names"

# The menu entry's command line with a tile in place of %f, as a double click
# runs it; the viewer quits after painting the tile.
tile=$source/data/sample/FG-GML-5238-74-00-DEM5A-20161001.3dm
command=$(sed -n 's/^Exec=//p' "$desktop")
command=${command//%f/\"$tile\"}
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME/Quarrenby 5_0" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Param]\nDataBaseFolderFlg=1\n' >"$XDG_CONFIG_HOME/Quarrenby 5_0/Quarrenby.ini"
output=$(PATH=$prefix/bin:$PATH timeout 60 xvfb-run -a -s "-screen 0 1280x800x24" \
    sh -c "$command --first-paint-timing" 2>/dev/null) || fail "the viewer did not open the tile"
grep -q 'first paint' <<<"$output" || fail "the viewer painted nothing: $output"

# The package holds the same.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/quarrenby ./usr/lib/quarrenby/quarrenby ./usr/lib/quarrenby/japan.GLL \
         ./usr/share/applications/quarrenby.desktop \
         ./usr/share/mime/packages/quarrenby.xml; do
    grep -q " $f" <<<"$contents" || fail "the package lacks $f"
done
echo "install_test: ok"
