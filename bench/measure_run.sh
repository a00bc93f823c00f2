#!/usr/bin/env bash
# Measures a whole run of the program on a virtual X server and prints:
#   start-up   seconds from launch to the main menu on screen (1 s of it is
#              the splash's own wait)
#   idle CPU   share of one core over 10 s with the menu and its flame showing
#   peak RSS   the run's peak resident memory, after the idle spell and a
#              visit to the two heaviest pages (the weapon pictures and the
#              command page's 130 key fields)
#   lookup     the second run of the program that looks up the game's
#              folder once the menu is on screen: seconds to its answer and
#              its peak memory
# Then, where ./build.sh windows has packed the Windows program, the same
# start under Wine beside a minimal Qt program, and the zip's and the
# installer's sizes (bench/measure_wine.sh).
# Usage: bench/measure_run.sh [path/to/quelmar]   (default build/quelmar)
# Needs xvfb-run and xdotool. Runs itself under Xvfb when there is no display.
set -euo pipefail
binary=$(realpath "${1:-build/quelmar}")
if [ -z "${QUELMAR_MEASURE_INNER:-}" ]; then
    export QUELMAR_MEASURE_INNER=1
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$binary"
    windows=$(dirname "$0")/../build-windows
    if ls "$windows"/quelmar-*-setup.exe >/dev/null 2>&1 && command -v wine >/dev/null; then
        echo "Windows:"
        "$(dirname "$0")/measure_wine.sh" "$windows"
    fi
    exit 0
fi

export TMPDIR=$(mktemp -d)
ticks=$(getconf CLK_TCK)
now() { date +%s.%N; }

start=$(now)
"$binary" &
pid=$!
until xdotool search --onlyvisible --name '^Quelmar$' >/dev/null 2>&1; do
    kill -0 $pid 2>/dev/null || { echo "quelmar exited early" >&2; exit 1; }
    sleep 0.005
done
shown=$(now)

cpu() { awk '{print $14 + $15}' /proc/$pid/stat; }
sleep 1 # let the first frames settle
before=$(cpu)
sleep 10
after=$(cpu)

# Visit the weapon page and the command page, each closed with its Done.
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Quelmar$' | head -1)")"
menu_x=$X menu_y=$Y
click_entry() { xdotool mousemove $((menu_x + 16 + $1 + 10)) $((menu_y + 8 + $2 + 10)) click 1; sleep 1; }
click_done() { # window width and height, Done's x and y inside it
    local id
    for id in $(xdotool search --onlyvisible --name '.*' || true); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]; then
            xdotool mousemove $((X + $3)) $((Y + $4)) click 1
            sleep 1
            return
        fi
    done
    echo "no ${1}x$2 window to close" >&2
}
click_entry 40 176 && click_done 438 562 410 12 # the weapon page's key window
click_entry 40 128 && click_done 490 570 20 15  # the command page
visible_menu=$(xdotool search --onlyvisible --name '^Quelmar$' | wc -l || true)
peak=$(awk '/VmHWM/ {print $2}' /proc/$pid/status)
kill $pid
wait $pid 2>/dev/null || true
rm -rf "$TMPDIR"

awk -v s="$start" -v e="$shown" 'BEGIN {printf "start-up to main menu: %.3f s\n", e - s}'
awk -v b="$before" -v a="$after" -v t="$ticks" \
    'BEGIN {printf "idle main menu CPU:    %.2f %% of one core (10 s)\n", 100 * (a - b) / t / 10}'
awk -v k="$peak" 'BEGIN {printf "peak resident memory:  %.1f MB\n", k / 1024}'
[ "$visible_menu" = 1 ] || echo "(the page visit did not end back at the menu)" >&2
# The lookup as the menu starts it, its input held open as the menu holds it.
python3 - "$binary" <<'EOF'
import resource, subprocess, sys, time
begin = time.monotonic()
child = subprocess.Popen([sys.argv[1], "--game-folder-search"], stdin=subprocess.PIPE,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
child.wait()
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
print(f"game-folder lookup:    {time.monotonic() - begin:.3f} s, peak {peak / 1024:.1f} MB")
EOF
