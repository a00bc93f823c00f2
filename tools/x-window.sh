# Sourced by the scripts that walk the program's windows under X.

# wait_for_window TRIES WIDTH HEIGHT SEARCH...: prints the id of the visible
# window of that size among those `xdotool search --onlyvisible SEARCH...`
# finds, looking every 0.1 s, TRIES times at most.
wait_for_window() {
    local tries=$1 width=$2 height=$3 id
    shift 3
    for _ in $(seq "$tries"); do
        for id in $(xdotool search --onlyvisible "$@" 2>/dev/null || true); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            if [ "$WIDTH" = "$width" ] && [ "$HEIGHT" = "$height" ]; then
                echo "$id"
                return
            fi
        done
        sleep 0.1
    done
    echo "no ${width}x$height window came up" >&2
    exit 1
}
