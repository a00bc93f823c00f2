#!/bin/sh
# Builds the Debian package into a fresh folder and checks what it holds,
# what it asks for, and what lintian says of it: no error and no warning.
# Exit 77 (skipped) when the Debian tools are missing.
# usage: check_package.sh CPACK BUILD_DIR WORK_DIR APP_ID
set -eu
cpack=$1 build=$2 work=$3 id=$4
for tool in dpkg-deb dpkg-shlibdeps lintian; do
    command -v $tool >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
rm -rf "$work"
mkdir -p "$work"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work.log" 2>&1 ||
    { cat "$work.log"; exit 1; }
deb=$(ls "$work"/quelmar_*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6:1 libqt6multimedia6:1 libqt6svg6:0; do
    [ "$(echo "$depends" | tr ',' '\n' | grep -c "^ *${package%:*}\b")" -eq "${package#*:}" ] ||
        { echo "${package%:*} is not named ${package#*:} times"; exit 1; }
done
contents=$(dpkg-deb --contents "$deb")
for path in usr/bin/quelmar usr/share/applications/$id.desktop \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
    usr/share/metainfo/$id.metainfo.xml usr/share/man/man1/quelmar.1.gz \
    usr/share/doc/quelmar/copyright usr/share/doc/quelmar/changelog.gz; do
    echo "$contents" | grep -q " \./$path\$" || { echo "not in the package: $path"; exit 1; }
done
version=$(dpkg-deb --field "$deb" Version)
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quelmar/changelog.gz | gzip -dc |
    head -1 | grep -q "^quelmar ($version) " ||
    { echo "the changelog's latest entry is not version $version"; exit 1; }
# Debian's hardening, read off the packaged program: bound at start,
# read-only relocations, position-independent, stack protector.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/quelmar >"$work/quelmar"
for mark in "BIND_NOW" "Flags: NOW PIE" "GNU_RELRO" "__stack_chk_fail"; do
    readelf -dlW --dyn-syms "$work/quelmar" | grep -q "$mark" || { echo "not hardened: no $mark"; exit 1; }
done
# Tags below warning level (pedantic hints, information) are shown, not failed.
status=0
lintian --tag-display-limit 0 --display-info --fail-on error,warning "$deb" >"$work/lintian" 2>&1 ||
    status=$?
grep -v "running with root privileges" "$work/lintian" || true
[ $status -eq 0 ] || { echo "lintian found errors or warnings"; exit 1; }
