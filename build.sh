#!/usr/bin/env bash
# Quelmar's two set-up commands:
#   ./build.sh run    installs what is missing, builds, and starts the program
#   ./build.sh test   installs what is missing, builds with warnings as
#                     errors and runs every test, the formatting check among
#                     them (the tests
#                     that show windows ten times over), then an
#                     AddressSanitizer and UndefinedBehaviorSanitizer build
#                     of the same tests, then the Windows build below with
#                     its tests under Wine; it prints where the time went
#   ./build.sh windows  builds the Windows program (Qt for Windows built once
#                     per machine and cached), packs
#                     build-windows/quelmar-<version>-windows-x64.zip and the
#                     installer quelmar-<version>-setup.exe beside it, and
#                     runs their tests under Wine
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev
    qt6-qpa-plugins libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core
    xvfb xauth
    libx11-dev
)
# Only the tests need these: the X server test (xdotool, keyboard layouts),
# the benchmarks, the install and package checks, the formatting.
TEST_PACKAGES=(
    xdotool x11-xkb-utils x11-utils
    libbenchmark-dev
    desktop-file-utils appstream dpkg-dev file lintian man-db
    git clang-format python3
)

# The Windows build: the MinGW cross compiler, Wine to run the tests, the
# tools to unpack Qt's Debian source, and the host's Qt to run Qt's own
# tools and our picture renderer.
WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64
    dpkg-dev python3 locales
    xdotool x11-xkb-utils imagemagick unzip bc
    nsis osslsigncode openssl
)

install_missing() { # packages...
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
    fi
}

configure_and_build() { # dir, extra cmake args...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j2
}

build_windows() { # the zip, its tests under Wine and a run of the unzipped program
    install_missing "${PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
    qt=$(packaging/windows/build-qt.sh | tail -n1)
    # The pictures are rendered on this machine, by a renderer built for it.
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j2 --target quelmar_render
    # Qt's own toolchain file puts its prefix among the cross build's roots
    # and loads ours, which names the compilers.
    # A build folder made with another Qt (an older cache key) keeps that
    # Qt's package folders in its cache: it starts afresh.
    local fresh=()
    if [ -f build-windows/CMakeCache.txt ] &&
        ! grep -qx "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" build-windows/CMakeCache.txt; then
        fresh=(--fresh)
    fi
    cmake -S . -B build-windows "${fresh[@]}" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/packaging/windows/mingw-toolchain.cmake" \
        -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQUELMAR_RENDER_TOOL="$PWD/build/resources/quelmar_render" \
        -DQUELMAR_QT_SOURCE="${QUELMAR_CACHE:-/var/cache/quelmar}/src/qtbase-6.4.2" \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
        -DQUELMAR_BENCH=OFF -DQUELMAR_WERROR=ON
    cmake --build build-windows -j2
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
    stage=build-windows/quelmar-$version-windows-x64
    rm -rf "$stage" "$stage.zip"
    cmake --install build-windows --prefix "$stage" >/dev/null
    # Debian's MinGW runtime and our Qt keep their symbols; the player
    # needs none of them.
    find "$stage" -name '*.dll' -o -name '*.exe' -o -name '*.com' |
        xargs x86_64-w64-mingw32-strip --strip-unneeded
    # Our two programs signed when a certificate is given (README: signing).
    packaging/windows/sign.sh "$stage/quelmar.exe" "$stage/quelmar.com"
    (cd build-windows && cmake -E tar cf "quelmar-$version-windows-x64.zip" --format=zip \
        "quelmar-$version-windows-x64")
    # The installer beside the zip, signed with its uninstaller likewise.
    packaging/windows/make-installer.sh "$stage" build-windows/packaging/windows/quelmar.ico \
        "$version" "build-windows/quelmar-$version-setup.exe"
    ls -l "$stage.zip" "build-windows/quelmar-$version-setup.exe"
    # The tests, under Wine in a prefix of their own, with Qt and the MinGW
    # runtime found through WINEPATH.
    export WINEPREFIX=$PWD/build-windows/wineprefix WINEDEBUG=-all
    gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    export WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$gcc_dir");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
    # Wine takes its ANSI code page from the locale: Russian, as the golden
    # scripts are, from a locale made here rather than in the system.
    if [ ! -d build-windows/locale/ru_RU.UTF-8 ]; then
        mkdir -p build-windows/locale
        localedef -i ru_RU -f UTF-8 build-windows/locale/ru_RU.UTF-8
    fi
    export LOCPATH=$PWD/build-windows/locale
    # Windows hides a file by its attribute alone; Wine by default also
    # hides every name with a leading dot, which would hide whether the
    # program marks its own files. The tests' prefix shows dot files.
    wine reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f >/dev/null 2>&1
    # A crash ends the program with its backtrace in the test's output
    # rather than behind a dialog that waits for the test's time limit.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1
    (cd build-windows && ctest --output-on-failure)
    # The program from the unzipped package, as a player starts it.
    tools/windows-smoke.sh "$stage.zip" build-windows/smoke.png
}

case "${1:-}" in
run)
    install_missing "${PACKAGES[@]}"
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting under Xvfb (nothing will be visible)."
        exec xvfb-run -a -s "-screen 0 1280x1024x24" build/quelmar
    fi
    exec build/quelmar
    ;;
test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    SECONDS=0
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELMAR_WERROR=ON
    (cd build &&
        ctest -j2 --output-on-failure -LE windows &&
        ctest -j2 --output-on-failure -L windows --repeat until-fail:10)
    echo "== Linux: ${SECONDS} s"
    echo "== Again with AddressSanitizer and UndefinedBehaviorSanitizer"
    SECONDS=0
    configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUELMAR_SANITIZE=ON \
        -DQUELMAR_BENCH=OFF -DQUELMAR_WERROR=ON
    (cd build-asan &&
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest -j2 --output-on-failure)
    echo "== Sanitizers: ${SECONDS} s"
    echo "== The Windows build, its tests under Wine and a run of the package"
    SECONDS=0
    build_windows
    echo "== Windows: ${SECONDS} s"
    ;;
windows)
    build_windows
    ;;
*)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac
