# Plays a game command as a player would, for the display checks (needs DISPLAY
# and xdotool). Sourced.
#   play_window pid           waits while PID runs for the TARNWIK window (late
#                             under emulation) and focuses it: play_window holds
#                             it, or nothing where the program ended first
#   play_and_quit command...  runs it, presses Space in its window; returns its
#                             status, or 124 where no window showed
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
