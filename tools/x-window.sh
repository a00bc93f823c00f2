# Sourced by the scripts that walk the program's windows under X.

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
            # A window gone since the search has no size, not the last one's.
            WIDTH='' HEIGHT=''
            eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
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
            WIDTH='?' HEIGHT='?'
            eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
            echo "  ${WIDTH}x$HEIGHT \"$(xdotool getwindowname "$id" 2>/dev/null)\""
        done
    } >&2
    exit 1
}
