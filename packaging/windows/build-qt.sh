#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once per machine from Debian's own Qt source,
# with Debian's host Qt as the host tools, and keeps it in a cache folder
# outside the checkout. Prints the install prefix on its last line.
#
# The cache key holds the Qt version and a hash of the options and the
# toolchain file, so a change of options builds a fresh Qt beside the old.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
QT_VERSION=6.4.2
cache=${QUELMAR_CACHE:-/var/cache/quelmar}
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_freetype=ON
    -DFEATURE_vulkan=OFF -DFEATURE_openssl=OFF
    # Debian's source leaves out the Wacom tablet header the plugin would need.
    -DFEATURE_tabletevent=OFF
)
key=$( (echo "${options[*]}"; cat "$here/mingw-toolchain.cmake") | sha256sum | cut -c1-12)
prefix="$cache/qt-$QT_VERSION-mingw64-$key"

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
# Two builds on one machine (CI beside a developer's run) build Qt once: the
# second waits for the first and takes what it made.
mkdir -p "$cache"
exec 9>"$cache/.build-qt.lock"
if ! flock -n 9; then
    echo "Waiting for another build of Qt for Windows on this machine" >&2
    flock 9
fi
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

src="$cache/src/qtbase-$QT_VERSION"
if [ ! -f "$src/CMakeLists.txt" ]; then
    mkdir -p "$cache/src"
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ /etc/apt/sources.list; then
        # A source twin of Debian's own entry, so apt-get source finds Qt.
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            >/etc/apt/sources.list.d/quelmar-debian-src.sources
        apt-get update -qq
    fi
    # apt-get source takes an exact version only: Debian's newest of this Qt
    # (the source lists fetched first where they are missing).
    source_version() {
        apt-cache showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p' |
            grep "^$QT_VERSION[+-]" | sort -V | tail -n1
    }
    version=$(source_version)
    [ -n "$version" ] || { apt-get update -qq && version=$(source_version); }
    if [ -z "$version" ]; then
        echo "Debian's sources offer no qt6-base $QT_VERSION" >&2
        exit 1
    fi
    (cd "$cache/src" && apt-get source -qq --download-only "qt6-base=$version" >&2)
    rm -rf "$src.tmp"
    dpkg-source -x --no-check "$cache"/src/qt6-base_"$QT_VERSION"*.dsc "$src.tmp" >&2
    mv "$src.tmp" "$src"
fi

# An interrupted build resumes where it stopped.
build="$cache/build/qt-$QT_VERSION-mingw64-$key"
rm -rf "$prefix"
mkdir -p "$build"
echo "Building Qt $QT_VERSION for Windows into $prefix (once per machine, about 20 minutes on 2 cores)" >&2
cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$build/configure.log" 2>&1 ||
    { tail -40 "$build/configure.log" >&2; exit 1; }
# Progress: one in fifty of ninja's [n/total] lines; the whole log on disk.
if ! cmake --build "$build" -j"$(nproc)" 2>&1 | tee "$build/build.log" |
    awk '/^\[[0-9]+\/[0-9]+\]/ && ++n % 50 == 1 { print; fflush() }' >&2 ||
    grep -q '^FAILED' "$build/build.log"; then
    grep -A20 '^FAILED' "$build/build.log" | grep -v '^In file included\|^\s*from ' | head -40 >&2
    exit 1
fi
cmake --install "$build" >/dev/null
touch "$prefix/.complete"
rm -rf "$build"
echo "$prefix"
