#!/bin/sh
# Builds the Debian package into a fresh folder and checks what it holds and
# what it asks for. Exit 77 (skipped) when the Debian tools are missing.
# usage: check_package.sh CPACK BUILD_DIR WORK_DIR
set -eu
cpack=$1 build=$2 work=$3
id=io.github.quelmar.Quelmar
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v $tool >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
rm -rf "$work"
mkdir -p "$work"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work.log" 2>&1 ||
    { cat "$work.log"; exit 1; }
deb=$(ls "$work"/quelmar_*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6multimedia6 libqt6svg6; do
    echo "$depends" | grep -q "$package" || { echo "no dependency on $package"; exit 1; }
done
contents=$(dpkg-deb --contents "$deb")
for path in usr/bin/quelmar usr/share/applications/$id.desktop \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
    usr/share/metainfo/$id.metainfo.xml usr/share/doc/quelmar/LICENSE; do
    echo "$contents" | grep -q " \./$path\$" || { echo "not in the package: $path"; exit 1; }
done
