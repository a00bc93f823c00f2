#!/usr/bin/env bash
# Every key of a US PC keyboard pressed on the X server, through Wine's
# keyboard and the Windows platform plugin to the command page's key field,
# under winkeys_probe.exe: the name each key gets must be the console name
# of its Windows virtual key. The numeric keypad is walked twice, with Num
# Lock off (its arrows and Home, End...) and on (its digits). Keys are
# pressed by keycode, the physical key, under the US layout. (Xvfb here
# keeps its US keymap whatever setxkbmap asks, so no other layout is tried.)
# Before them the wheel and the side buttons, X's buttons 4, 5, 8 and 9
# clicked on the field, which Wine hands on as Windows' wheel message and
# XBUTTON1 and XBUTTON2.
# Usage, under xvfb-run: wine_keys.sh DATA_DIR WINE PROBE.EXE
set -u
data=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
log=$(mktemp)
trap 'wineserver -k 2>/dev/null; rm -f "$log"' EXIT

# The keys to press, by the keycodes of the US layout: "keycode=keysym",
# the keysym whose virtual key is meant.
setxkbmap us
declare -A keycode_of vk_of name_of
while IFS=$'\t' read -r keysym code; do
    keycode_of[$keysym]=$code
done < <(xkbcomp -xkb "$DISPLAY" - 2>/dev/null | awk -f "$here/keycodes.awk")
while IFS=$'\t' read -r code name; do
    [[ $code == \#* ]] || name_of[$code]=$name
done <"$data/key_names.txt"
walk=()
while IFS=$'\t' read -r keysym code; do
    [[ $keysym == \#* || -z $keysym ]] && continue
    vk_of[$keysym]=$code
    # The digit keys of the keypad need Num Lock, pressed below. Scroll
    # Lock is no X modifier: at the key after it, Wine presses it once more
    # to match, so it comes last. US keyboards lack the key left of Z, which
    # Wine names by its symbol ("less", the comma's code) where Windows
    # gives the key's own code.
    [[ $keysym =~ ^(KP_([0-9]|Decimal)|Num_Lock|Scroll_Lock|less)$ ]] ||
        walk+=("${keycode_of[$keysym]}=$keysym")
done <"$data/us_keysyms.txt"
# With Num Lock on, the keys that carry the keypad's arrows give its
# digits; then Num Lock goes off again.
walk+=("${keycode_of[Num_Lock]}=Num_Lock")
for pair in KP_Insert=KP_0 KP_End=KP_1 KP_Down=KP_2 KP_Next=KP_3 KP_Left=KP_4 KP_Begin=KP_5 \
    KP_Right=KP_6 KP_Home=KP_7 KP_Up=KP_8 KP_Prior=KP_9 KP_Delete=KP_Decimal; do
    walk+=("${keycode_of[${pair%=*}]}=${pair#*=}")
done
walk+=("${keycode_of[Num_Lock]}=Num_Lock" "${keycode_of[Scroll_Lock]}=Scroll_Lock")

wrong=0
coproc probe { WINEQT_QPA_PLATFORM=windows exec "$@" 2>"$log"; }
# Every wait below ends as soon as its line comes; the bound only catches a
# probe that hangs.
if ! read -r -t 60 ready <&"${probe[0]}" ||
    ! [[ ${ready%$'\r'} =~ ^ready\ windows\ ([0-9]+\ [0-9]+)$ ]]; then
    echo "the probe never said it was ready on the windows platform; it said:" >&2
    cat "$log" >&2
    exit 1
fi
field=${BASH_REMATCH[1]} # where the field is on the screen: x and y
# The page is on the screen once the probe is ready. With no window
# manager, keys go to the window X has given the focus.
window=$(xdotool search --onlyvisible --name . 2>/dev/null | tail -n1)
if [ -z "$window" ] || ! xdotool windowfocus --sync "$window"; then
    echo "the probe is ready but no window of its is on the screen" >&2
    exit 1
fi
# Does what xdotool is told and reads the name the field then shows.
expect() { # meant expected xdotool-arguments...
    local meant=$1 expected=$2 got
    shift 2
    xdotool "$@"
    if ! IFS= read -r -t 60 got <&"${probe[0]}"; then
        echo "no name came for $meant within 60 s (awaited \"$expected\"); the probe said:" >&2
        cat "$log" >&2
        exit 1
    fi
    got=${got%$'\r'}
    if [ "${got%$'\t'*}" != "$expected" ]; then
        echo "$meant: \"${got%$'\t'*}\" (virtual key ${got##*$'\t'}), wanted \"$expected\""
        wrong=$((wrong + 1))
    fi
}
# The buttons first: Wine's own press of Scroll Lock, at the end of the
# keys, must not land in the field instead of a button.
for pair in 4=MWHEELUP 5=MWHEELDOWN 8=MOUSE4 9=MOUSE5; do
    # $field is the x and the y, two words
    expect "button ${pair%=*}" "${pair#*=}" mousemove $field click "${pair%=*}"
done
for pair in "${walk[@]}"; do
    keycode=${pair%%=*} meant=${pair#*=}
    # xdotool reads a lone digit as that digit's key: Escape (9) by name.
    [ "$keycode" -ge 10 ] || keycode=$meant
    expect "$meant (${vk_of[$meant]})" "${name_of[${vk_of[$meant]}]:-}" key "$keycode"
done
echo "${#walk[@]} keys and 4 buttons pressed, $wrong named wrongly"
[ $wrong -eq 0 ]
