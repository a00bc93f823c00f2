#!/usr/bin/env bash
# Quelmar's two set-up commands:
#   ./build.sh run    installs what is missing, builds, and starts the program
#   ./build.sh test   installs what is missing, checks the formatting, builds
#                     with warnings as errors and runs every test (the tests
#                     that show windows ten times over), then an
#                     AddressSanitizer and UndefinedBehaviorSanitizer build
#                     of the same tests
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev
    qt6-qpa-plugins libgl-dev
    fonts-dejavu-core
    xvfb xauth
)
# Only the tests need these: the X server test (Xlib, xdotool, keyboard
# layouts), the benchmarks, the install and package checks, the formatting.
TEST_PACKAGES=(
    xdotool x11-xkb-utils x11-utils libx11-dev
    libbenchmark-dev
    desktop-file-utils appstream dpkg-dev file lintian man-db
    git clang-format
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

# Every tracked C++ file as the project's .clang-format lays it out.
check_format() {
    if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        echo "Not a git checkout: formatting not checked."
        return
    fi
    git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
    echo "Formatting: every tracked C++ file as .clang-format has it."
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
    check_format
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELMAR_WERROR=ON
    (cd build &&
        ctest -j2 --output-on-failure -LE windows &&
        ctest -j2 --output-on-failure -L windows --repeat until-fail:10)
    echo "== Again with AddressSanitizer and UndefinedBehaviorSanitizer"
    configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUELMAR_SANITIZE=ON \
        -DQUELMAR_BENCH=OFF -DQUELMAR_WERROR=ON
    (cd build-asan &&
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest -j2 --output-on-failure)
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
