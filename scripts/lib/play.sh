# Plays a game command through to its end as a player would: waits while it
# runs for the TARNWIK window (late under emulation), focuses it, presses
# Space; returns the command's status, or 124 where no window showed. Sourced
# by the display checks; needs DISPLAY and xdotool.   play_and_quit command [args...]
play_and_quit() {
    "$@" &
    play_pid=$!
    play_window=""
    while [ -z "$play_window" ] && kill -0 "$play_pid" 2>/dev/null; do
        play_window=$(xdotool search --onlyvisible --name '^TARNWIK$' 2>/dev/null | head -n 1) || true
        [ -n "$play_window" ] || sleep 0.5
    done
    # The focus goes to a window only once it is viewable: try until it takes.
    while [ -n "$play_window" ] && kill -0 "$play_pid" 2>/dev/null &&
        ! xdotool windowfocus "$play_window" 2>/dev/null; do
        sleep 0.5
    done
    [ -z "$play_window" ] || xdotool key space
    play_status=0
    wait "$play_pid" || play_status=$?
    [ -n "$play_window" ] || return 124
    return $play_status
}
