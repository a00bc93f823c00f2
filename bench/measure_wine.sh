#!/usr/bin/env bash
# The Windows program's start under Wine, beside a minimal Qt widget
# program built and started the same way, and the sizes of what a player
# downloads. Prints:
#   start-up     seconds from `wine quelmar.exe` to the main menu on screen
#                (the splash's one-second wait included; the menu counts once
#                the splash has gone), the median of five starts in a warm
#                prefix: Wine's server and services already running, as
#                Windows' are, and the files in the cache
#   memory       the program's resident memory with the menu showing
#   sizes        the zip and the installer
# Usage: bench/measure_wine.sh [BUILD-WINDOWS]   (default build-windows)
# Needs wine, xvfb-run, xdotool; runs itself under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-windows}")
if [ -z "${QUELMAR_WINE_MEASURE_INNER:-}" ]; then
    export QUELMAR_WINE_MEASURE_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi
zip=$(ls "$build"/quelmar-*-windows-x64.zip | head -n1)
setup=$(ls "$build"/quelmar-*-setup.exe | head -n1)
work=$(mktemp -d)
export WINEPREFIX=$build/bench-prefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
unset WINEPATH
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
# Wine's server stays between the starts, and its services with it.
wineserver -p
wine cmd /c exit >/dev/null 2>&1
(cd "$work" && unzip -q "$zip")
folder=$(ls -d "$work"/quelmar-*)
cp "$build/packaging/windows/minimal_widget.exe" "$folder/"
source "$root/tools/x-window.sh"

# One start: seconds to the window of that size (with no splash left) and
# the resident memory then, in kB.
start() { # program, width, height
    local begin pid id
    begin=$(date +%s.%N)
    wine "$folder/$1" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 600); do
        id=$(wait_for_window 1 "$2" "$3" --name . 2>/dev/null) && break
        sleep 0.05
    done
    # The splash (408x311) gone: the menu shows alone.
    while [ -n "$(wait_for_window 1 408 311 --name . 2>/dev/null)" ]; do sleep 0.02; done
    echo "$(echo "$(date +%s.%N) - $begin" | bc) $(awk '/VmRSS/ {print $2}' /proc/$pid/status)"
    kill $pid
    wait $pid 2>/dev/null || true
}
measure() { # name, program, width, height
    # Wine reports each program it ends; the figures are what counts here.
    start "$2" "$3" "$4" >/dev/null 2>&1 # the warm-up
    for _ in 1 2 3 4 5; do start "$2" "$3" "$4" 2>/dev/null; done >"$work/runs"
    local t m
    t=$(cut -d' ' -f1 "$work/runs" | sort -n | tr '\n' ' ')
    m=$(cut -d' ' -f2 "$work/runs" | sort -n | sed -n 3p)
    echo "$t" | awk -v n="$1" -v m="$m" '{
        printf "%-20s its window after %.2f s (%.2f to %.2f), memory then %.0f MB\n",
            n, $3, $1, $5, m / 1024 }'
}
echo "Under $(wine --version), warm prefix, median of five starts:"
measure "quelmar.exe" quelmar.exe 203 299
measure "minimal Qt program" minimal_widget.exe 203 299
ls -l "$zip" "$setup" | awk '{ printf "%-36s %.1f MB\n", $NF, $5 / 1e6 }' | sed "s|$build/||"
