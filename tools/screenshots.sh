#!/usr/bin/env bash
# Takes the README's pictures of every window: it starts the program on a
# virtual X server and walks it as a player would, clicking with xdotool, and
# saves one PNG per window under docs/.
#   splash.png, main-menu.png, video.png (with its "2-ой прицел" list open),
#   sound.png, player.png, mouse.png, other.png, commands.png,
#   weapons.png (the catalogue on "Rifles"), keyboard.png, and keymap.png:
#   the key map over the command page of a second run started from
#   tests/data/open_config.cfg, a Russian layout beside the US one, "q" clicked
# Usage: tools/screenshots.sh [path/to/quelmar [SCALE [FOLDER]]]
#   default build/quelmar at scale 1 into docs/; SCALE 2 runs the program
#   with QT_SCALE_FACTOR=2 on a screen twice as large, to look at the
#   high-DPI pictures (for example: tools/screenshots.sh build/quelmar 2 /tmp/2x).
# Needs xvfb-run, xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=$(realpath "${1:-build/quelmar}")
scale=${2:-1}
out=${3:-docs}
if [ -z "${QUELMAR_SHOTS_INNER:-}" ]; then
    export QUELMAR_SHOTS_INNER=1
    mkdir -p "$out"
    exec xvfb-run -a -s "-screen 0 $((1280 * scale))x$((1024 * scale))x24" \
        "$0" "$binary" "$scale" "$out"
fi
export QT_SCALE_FACTOR=$scale

export TMPDIR=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$TMPDIR"' EXIT
"$binary" &
pid=$!

# The one visible window of the program that is width x height (at scale 1),
# waited for up to 5 s.
source tools/x-window.sh
window_of_size() { wait_for_window 5 $(($1 * scale)) $(($2 * scale)) --pid $pid; }
shoot() { # window id, name
    sleep 0.3 # let it paint
    import -window "$1" "$out/$2.png"
    echo "$out/$2.png"
}
click() { # window id, x and y inside it (at scale 1)
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $2 * scale)) $((Y + $3 * scale)) click 1
}

shoot "$(window_of_size 408 311)" splash
menu=$(window_of_size 203 323)
sleep 1 # the flame gets going
shoot "$menu" main-menu

page() { # entry x and y inside Frame1, page width and height, name
    click "$menu" $((16 + $1 + 8)) $((8 + $2 + 10))
    local id
    id=$(window_of_size "$3" "$4")
    shoot "$id" "$5"
    click "$id" 20 17 # Done
    menu=$(window_of_size 203 323)
}
# The video page with its "2-ой прицел" list open, to show the list's colours.
click "$menu" 64 50
video=$(window_of_size 494 345)
eval "$(xdotool getwindowgeometry --shell "$video")"
click "$video" 430 316
sleep 0.5
import -window root -crop $((494 * scale))x$((420 * scale))+"$X"+"$Y" +repage "$out/video.png"
echo "$out/video.png"
xdotool key Escape
click "$video" 20 17
menu=$(window_of_size 203 323)
page 37 56 422 194 sound
page 40 80 478 202 player
page 40 104 374 266 mouse
page 40 152 466 554 other
page 40 128 490 570 commands

click "$menu" 64 194
catalogue=$(window_of_size 413 431)
keyboard=$(window_of_size 438 562)
click "$catalogue" 100 $((267 + 3 * 27 + 13)) # "Rifles", on the right of its row
shoot "$catalogue" weapons
shoot "$keyboard" keyboard

# The key map: a second run, from the game's config.cfg of the tests, its
# report closed; F1 over the command page, whose fields start from the file.
kill $pid
wait $pid 2>/dev/null || true
"$binary" tests/data/open_config.cfg &
pid=$!
menu=$(window_of_size 203 323)
sleep 0.5
xdotool key Return # the report
setxkbmap -layout us,ru # the player's own letters beside the keys
click "$menu" 64 146
commands=$(window_of_size 490 570)
xdotool key F1
map=$(window_of_size 1025 468)
click "$map" $((12 + 54 + 10)) $((44 + 105 + 10)) # "q"
shoot "$map" keymap
