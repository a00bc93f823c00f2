#!/usr/bin/env bash
# The Windows program's start under Wine, beside a minimal Qt widget
# program built and started the same way, and the sizes of what a player
# downloads. Prints:
#   start-up     seconds from `wine quelmar.exe` to the main menu on screen
#                (the splash's one-second wait included; the menu counts once
#                the splash has gone), the median of five starts in a warm
#                prefix: Wine's server and services already running, as
#                Windows' are, and the files in the cache; then the same for
#                the minimal program and how the two compare
#   memory       the program's resident memory with the menu showing
#   lookup       the second run of the program that looks up the game's
#                folder once the menu is on screen: seconds to its answer
#   sizes        the zip and the installer
# Both programs start from the unzipped package's folder, beside its DLLs,
# and the windows are looked for every 20 ms. Xvfb has no window manager:
# Wine is told not to wait for one (its X11 driver's Managed=N), a wait no
# player on Windows has.
# Usage: bench/measure_wine.sh [BUILD-WINDOWS]   (default build-windows)
# Needs wine, xvfb-run, xdotool, bc; runs itself under Xvfb.
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
# A new prefix is made first; its server ends before the persistent one
# starts (a server already running would refuse to be made persistent).
[ -d "$WINEPREFIX" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
# Wine's server stays between the starts, and its services with it.
wineserver -p
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
(cd "$work" && unzip -q "$zip")
folder=$(ls -d "$work"/quelmar-*)
cp "$build/packaging/windows/minimal_widget.exe" "$folder/"

now() { date +%s.%N; }
# True when the program's visible window of that title stands and the splash
# ("Form1") does not. (Unmanaged, Wine draws the frame itself: the window is
# larger than its client area.)
shown() { # title
    local names
    names=$(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null) || true
    grep -qx "$1" <<<"$names" && ! grep -qx Form1 <<<"$names"
}

# One start: seconds to the window and the resident memory then, in kB.
start() { # program, window title
    local begin pid
    begin=$(now)
    (cd "$folder" && exec wine "./$1") >/dev/null 2>&1 &
    pid=$!
    until shown "$2"; do
        kill -0 $pid 2>/dev/null || { echo "$1 ended before its window came" >&2; exit 1; }
        sleep 0.02
    done
    echo "$(echo "$(now) - $begin" | bc) $(awk '/VmRSS/ {print $2}' /proc/$pid/status)"
    kill $pid
    wait $pid 2>/dev/null || true
}
# Five starts after a warm-up: the median time, the range, the median memory.
measure() { # name, program, window title
    # Wine reports each program it ends; the figures are what counts here.
    start "$2" "$3" >/dev/null 2>&1
    for _ in 1 2 3 4 5; do start "$2" "$3" 2>/dev/null; done >"$work/runs"
    local t m
    t=$(cut -d' ' -f1 "$work/runs" | sort -n | tr '\n' ' ')
    m=$(cut -d' ' -f2 "$work/runs" | sort -n | sed -n 3p)
    echo "$t" | awk -v n="$1" -v m="$m" '{
        printf "%-20s its window after %.2f s (%.2f to %.2f), memory then %.0f MB\n",
            n, $3, $1, $5, m / 1024 }'
    median=$(echo "$t" | cut -d' ' -f3)
}
echo "Under $(wine --version), warm prefix, median of five starts:"
measure "quelmar.exe" quelmar.exe Quelmar
program=$median
measure "minimal Qt program" minimal_widget.exe Minimal
awk -v p="$program" -v m="$median" 'BEGIN {
    printf "quelmar.exe takes %.1f × the minimal program'"'"'s time; beyond its one-second wait, %.2f ×\n",
        p / m, (p - 1) / m }'
# The lookup as the menu starts it: its input held open, as the menu holds it.
exec 3< <(exec sleep 600)
held=$!
begin=$(now)
if (cd "$folder" && timeout 60 wine ./quelmar.exe --game-folder-search <&3 >/dev/null 2>&1); then
    echo "$(echo "$(now) - $begin" | bc)" |
        awk '{ printf "the game-folder lookup, a second run without a window: %.2f s\n", $1 }'
else
    echo "the game-folder lookup did not answer (a build without it?)"
fi
exec 3<&-
kill $held
ls -l "$zip" "$setup" | awk '{ printf "%-36s %.1f MB\n", $NF, $5 / 1e6 }' | sed "s|$build/||"
