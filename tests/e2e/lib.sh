# Shared by the window checks under Xvfb.

find_window() { # name regex, seconds
    local i w
    for ((i = 0; i < $2 * 10; i++)); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        if [[ -n "$w" ]]; then
            echo "$w"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
