#!/bin/sh
# Installs the build into a fresh prefix and checks that the menu entry, the
# icons, the manual page and the software-centre description are there and
# pass the desktop's own validators. Exit 77 (skipped) when a validator is
# not installed.
# usage: check_install.sh CMAKE BUILD_DIR WORK_DIR APP_ID
set -eu
cmake=$1 build=$2 prefix=$3/prefix id=$4
for tool in desktop-file-validate appstreamcli file; do
    command -v $tool >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/quelmar" || { echo "bin/quelmar not installed"; exit 1; }
grep -q "^License: OFL-1.1" "$prefix/share/doc/quelmar/copyright" ||
    { echo "no copyright file with the font's licence"; exit 1; }
file "$prefix/share/man/man1/quelmar.1.gz" | grep -q "gzip compressed" ||
    { echo "no manual page"; exit 1; }
icons=$prefix/share/icons/hicolor
file "$icons/scalable/apps/$id.svg" | grep -q SVG || { echo "no SVG icon"; exit 1; }
for size in 48 128 256; do
    file "$icons/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size" ||
        { echo "no ${size}px icon"; exit 1; }
done
# Hints count as failures too: the entry must be clean, not merely valid.
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || true
[ -z "$out" ] || { echo "$out"; exit 1; }
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
