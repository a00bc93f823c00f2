# Sourced by the scripts that walk the program's windows under X.

# window_size ID: sets WIDTH and HEIGHT to that window's size, both empty
# when it has gone since it was found.
window_size() {
    WIDTH='' HEIGHT=''
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
}

# wait_for_window SECONDS WIDTH HEIGHT SEARCH...: prints the id of the
# visible window of that size among those `xdotool search --onlyvisible
# SEARCH...` finds, looking every 0.1 s for SECONDS at most. With
# window_owner set to a process id, it gives up as soon as that process
# has ended. When it gives up it names the windows that are up, so that a
# crash dialog or a window of the wrong size shows in the test's output.
wait_for_window() {
    local seconds=$1 width=$2 height=$3 id end
    shift 3
    end=$((SECONDS + seconds))
    while [ "$SECONDS" -le "$end" ]; do
        for id in $(xdotool search --onlyvisible "$@" 2>/dev/null || true); do
            window_size "$id"
            if [ "$WIDTH" = "$width" ] && [ "$HEIGHT" = "$height" ]; then
                echo "$id"
                return
            fi
        done
        if [ -n "${window_owner:-}" ] && ! kill -0 "$window_owner" 2>/dev/null; then
            echo "the program ended before a ${width}x$height window came up" >&2
            exit 1
        fi
        sleep 0.1
    done
    {
        echo "no ${width}x$height window came up in $seconds s; the visible windows:"
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
            window_size "$id"
            echo "  ${WIDTH:-?}x${HEIGHT:-?} \"$(xdotool getwindowname "$id" 2>/dev/null)\""
        done
    } >&2
    exit 1
}
