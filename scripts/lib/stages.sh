# The named steps of a script: each runs even when an earlier one failed,
# alone or side by side with others, and a summary closes the script. Every
# line starts with the script's name.
#   . "$top/scripts/lib/stages.sh"
#   stage "what" command [args...]         runs it now
#   stage_start "what" command [args...]   starts it beside the others; its output
#                                          waits in a log of its own
#   stages_wait                            waits for those started and shows their
#                                          output, in the order they were started
#   stages_end                             a line per stage with its time, then
#                                          "N passed, N failed"; fails if one did
#   stages_in_systems entry...             the script again with --system ENTRY
#                                          (release[:more]) for each, side by side,
#                                          each with an X server; then stages_end
stages_name=$(basename "$0")
stages_summary=""
stages_passed=0
stages_failed=0
stages_started=""
stages_logs=""

stages_result() { # what status seconds
    if [ "$2" -eq 0 ]; then
        stages_passed=$((stages_passed + 1))
        result=passed
    else
        stages_failed=$((stages_failed + 1))
        result=FAILED
    fi
    echo "$stages_name: $1: $result in $3 s"
    stages_summary="$stages_summary$stages_name: $1: $result in $3 s
"
}

stage() { # what command...
    stage_what=$1
    shift
    stage_began=$(date +%s)
    stage_status=0
    "$@" || stage_status=$?
    stages_result "$stage_what" $stage_status $(($(date +%s) - stage_began))
    return 0
}

stage_start() { # what command...
    [ -n "$stages_logs" ] || stages_logs=$(mktemp -d)
    stage_number=$(($(echo "$stages_started" | wc -w) + 1))
    printf '%s\n' "$1" >"$stages_logs/$stage_number.what"
    shift
    date +%s >"$stages_logs/$stage_number.began"
    {
        stage_status=0
        "$@" || stage_status=$?
        echo $stage_status >"$stages_logs/$stage_number.status"
        date +%s >"$stages_logs/$stage_number.ended"
    } >"$stages_logs/$stage_number.log" 2>&1 &
    echo $! >"$stages_logs/$stage_number.pid"
    stages_started="$stages_started $stage_number"
}

stages_wait() {
    for stage_number in $stages_started; do
        wait "$(cat "$stages_logs/$stage_number.pid")" 2>/dev/null || true
        cat "$stages_logs/$stage_number.log"
        stages_result "$(cat "$stages_logs/$stage_number.what")" \
            "$(cat "$stages_logs/$stage_number.status" 2>/dev/null || echo 1)" \
            $(($(cat "$stages_logs/$stage_number.ended" 2>/dev/null || date +%s) -
                $(cat "$stages_logs/$stage_number.began")))
    done
    stages_started=""
}

stages_in_systems() { # entry...
    for stages_entry in "$@"; do
        stage_start "in a new ${stages_entry%%:*} system" xvfb-run -a -s "$XVFB_SERVER" "$0" --system "$stages_entry"
        # Each server takes its number before the next looks for a free one.
        sleep 2
    done
    stages_wait
    stages_end
}

stages_end() {
    [ -z "$stages_logs" ] || rm -rf "$stages_logs"
    echo
    printf '%s' "$stages_summary"
    echo "$stages_name: $stages_passed passed, $stages_failed failed"
    [ $stages_failed -eq 0 ]
}
