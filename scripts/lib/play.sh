# A player's view, for the checks: the README's commands, and playing a game command
# (needs DISPLAY and xdotool). Sourced.
#   readme_blocks file...     the lines of command blocks: section, block number, line (tab-separated)
#   play_window pid           waits while PID runs for the TARNWIK window (late under emulation),
#                             focuses it; play_window holds it, or nothing if the program ended
#   play_and_quit command...  runs it, presses Space in its window; its status, or 124: no window
play_window() {
    play_window=""
    while [ -z "$play_window" ] && kill -0 "$1" 2>/dev/null; do
        play_window=$(xdotool search --onlyvisible --name '^TARNWIK$' 2>/dev/null | head -n 1) || true
        [ -n "$play_window" ] || sleep 0.5
    done
    # The focus goes to a window only once it is viewable: try until it takes.
    while [ -n "$play_window" ] && kill -0 "$1" 2>/dev/null && ! xdotool windowfocus "$play_window" 2>/dev/null; do
        sleep 0.5
    done
}
play_and_quit() {
    "$@" &
    play_pid=$!
    # Here, not in a subshell: this shell reaps the command if it ends early.
    play_window "$play_pid"
    [ -z "$play_window" ] || xdotool key space
    play_status=0
    wait "$play_pid" || play_status=$?
    [ -n "$play_window" ] || return 124
    return $play_status
}
readme_blocks() { awk '/^## / { section = substr($0, 4); block = 0 } !/^    / { inside = 0; next }
    { if (!inside) block++; inside = 1; print section "\t" block "\t" substr($0, 5) }' "$@"; }
