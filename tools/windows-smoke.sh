#!/usr/bin/env bash
# Starts the Windows program as a player would: unzipped from the package
# into a fresh folder, in a fresh Wine prefix with no WINEPATH (so a DLL
# missing from the zip shows), Wine's locale Russian, on a virtual X server.
# Waits for the splash (a 408x311 window), then the main menu (203x323)
# once the splash has gone, saves a screenshot of the
# screen and prints how long the start took; then opens and closes the
# video page and compares %TEMP%\cfg.cfg byte for byte with what the Linux
# program writes for the same steps (the tests' golden files); then saves
# through the Save As dialog and compares the saved file the same way.
# With QUELMAR_SMOKE_VIDEO_SHOT set, the screen with the video page open is
# saved there too.
# QUELMAR_SMOKE_DIALOG_SHOT and QUELMAR_SMOKE_SPLASH_SHOT likewise for the
# Save As dialog and the splash.
# Usage: tools/windows-smoke.sh [ZIP [SCREENSHOT]]
#   default build-windows/quelmar-*-windows-x64.zip, /tmp/quelmar-windows.png
# Needs wine, xvfb-run, xdotool, ImageMagick's import and unzip.
set -euo pipefail
cd "$(dirname "$0")/.."
zip=$(realpath "${1:-$(ls build-windows/quelmar-*-windows-x64.zip | head -n1)}")
shot=$(realpath -m "${2:-/tmp/quelmar-windows.png}")
if [ -z "${QUELMAR_SMOKE_INNER:-}" ]; then
    export QUELMAR_SMOKE_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$zip" "$shot"
fi

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
unset WINEPATH
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# The Russian locale made for the tests, for Wine alone (this shell's own
# C library could not load it).
russian=()
if [ -d build-windows/locale/ru_RU.UTF-8 ]; then
    export LOCPATH=$PWD/build-windows/locale
    russian=(env LC_ALL=ru_RU.UTF-8)
fi
"${russian[@]}" wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
(cd "$work" && unzip -q "$zip")
exe=$(ls "$work"/quelmar-*/quelmar.exe)

start=$(date +%s.%N) SECONDS=0
"${russian[@]}" wine "$exe" >"$work/out.txt" 2>&1 &
pid=$!
trap 'status=$?; { wineserver -k; wait $pid; } 2>/dev/null || true; rm -rf "$work"; exit $status' EXIT
source tools/x-window.sh
# The menu is made while the splash still shows: it counts once the splash
# (408x311) has gone.
menu= splash_seen=
while [ "$SECONDS" -le 60 ]; do
    found= splash=
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
        window_size "$id"
        [ "$WIDTH" = 203 ] && [ "$HEIGHT" = 323 ] && found=$id
        [ "$WIDTH" = 408 ] && [ "$HEIGHT" = 311 ] && splash=$id
    done
    if [ -n "$splash" ] && [ -z "$splash_seen" ]; then
        splash_seen=$(echo "$(date +%s.%N) - $start" | bc)
        [ -n "${QUELMAR_SMOKE_SPLASH_SHOT:-}" ] && import -window root "$QUELMAR_SMOKE_SPLASH_SHOT"
    fi
    if [ -n "$found" ] && [ -z "$splash" ]; then
        menu=$found
        break
    fi
    kill -0 "$pid" 2>/dev/null || break # the program has ended
    sleep 0.1
done
if [ -z "$splash_seen" ]; then
    echo "the splash never showed; the program said:" >&2
    cat "$work/out.txt" >&2
    exit 1
fi
echo "splash after $splash_seen s"
if [ -z "$menu" ]; then
    echo "no main menu (60 s at most); the program said:" >&2
    cat "$work/out.txt" >&2
    import -window root "$shot"
    exit 1
fi
echo "main menu after $(echo "$(date +%s.%N) - $start" | bc) s (splash included)"
sleep 1 # the flame runs
import -window root "$shot"
echo "$shot"

# The visible window of that size. Each wait here ends as soon as what it
# waits for comes; its minute only catches a program that hangs.
window_of_size() { wait_for_window 60 "$1" "$2" --name .; }
# With no window manager, Wine takes a click only in the window that has
# the focus.
click() { # window id, x and y inside it
    xdotool windowfocus --sync "$1"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $2)) $((Y + $3))
    sleep 0.3
    xdotool click 1
}
click "$menu" 64 50 # "Видео"
video=$(window_of_size 494 345)
sleep 0.5
if [ -n "${QUELMAR_SMOKE_VIDEO_SHOT:-}" ]; then
    sleep 3 # Wine paints a new window's lists a while after it maps it
    import -window root "$QUELMAR_SMOKE_VIDEO_SHOT"
fi
click "$video" 20 17 # Done
for _ in $(seq 600); do
    xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$video" || break
    sleep 0.1
done
script=$(ls "$WINEPREFIX"/drive_c/users/*/Temp/cfg.cfg)
if ! cmp <(cat tests/data/preamble_only.cfg tests/data/video_defaults.cfg) "$script"; then
    echo "cfg.cfg differs from what the Linux program writes" >&2
    exit 1
fi
echo "cfg.cfg after the video page: $(wc -c <"$script") bytes, as the Linux program writes them"

# "Сохранить", then a name typed into the system's Save As dialog (it has no
# title, so it is found as the one new window): the program saves there and
# ends.
before=$(xdotool search --onlyvisible --class . 2>/dev/null | sort)
click "$menu" 64 260 # "Сохранить"
dialog=
for _ in $(seq 600); do
    dialog=$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --class . 2>/dev/null | sort) | head -n1)
    [ -n "$dialog" ] && break
    sleep 0.1
done
if [ -z "$dialog" ]; then
    echo "no Save As dialog within 60 s" >&2
    import -window root "$shot"
    exit 1
fi
sleep 1
[ -n "${QUELMAR_SMOKE_DIALOG_SHOT:-}" ] && import -window root "$QUELMAR_SMOKE_DIALOG_SHOT"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 50 'C:\saved.cfg'
xdotool key Return
saved=$WINEPREFIX/drive_c/saved.cfg
for _ in $(seq 600); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
    echo "the program still runs 60 s after the save" >&2
    import -window root "$shot"
    exit 1
fi
if ! [ -f "$saved" ] || ! cmp <(cat tests/data/preamble_only.cfg tests/data/video_defaults.cfg) "$saved"; then
    echo "the saved script differs from what the Linux program saves" >&2
    import -window root "$shot"
    exit 1
fi
echo "saved through the dialog: $(wc -c <"$saved") bytes, as the Linux program saves them"
