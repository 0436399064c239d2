# The named steps of a script, alone or side by side, each run even when one failed,
# then a summary; every line starts with the script's name. Sourced.
#   stage "what" command [args...]        runs it now
#   stage_start "what" command [args...]  starts it beside the others, its output in a log
#   stages_wait                           waits for those, showing their output in order
#   stages_end                            a line per stage and its time; fails if one did
#   stages_in_systems entry...            the script with --system ENTRY for each, side by side
stages_name=$(basename "$0")
stages_summary="" stages_failed=0 stages_started="" stages_logs="" stages_count=0
stages_result() { # what status seconds
    stages_line="$stages_name: $1: passed in $3 s"
    [ "$2" -eq 0 ] || stages_line="$stages_name: $1: FAILED in $3 s" stages_failed=$((stages_failed + 1))
    echo "$stages_line"
    stages_summary="$stages_summary$stages_line
"
}
stage() { # what command...
    stage_what=$1 stage_began=$(date +%s) stage_status=0
    shift
    "$@" || stage_status=$?
    stages_result "$stage_what" $stage_status $(($(date +%s) - stage_began))
}
stage_start() { # what command...
    [ -n "$stages_logs" ] || stages_logs=$(mktemp -d)
    echo "$stages_name: $1: started; its output follows when it ends"
    stages_count=$((stages_count + 1))
    printf '%s\n' "$1" >"$stages_logs/$stages_count.what"
    shift
    {
        began=$(date +%s) status=0
        "$@" || status=$?
        echo "$status $(($(date +%s) - began))" >"$stages_logs/$stages_count.result"
    } >"$stages_logs/$stages_count.log" 2>&1 &
    stages_started="$stages_started $stages_count:$!"
}
stages_wait() {
    for stages_job in $stages_started; do
        wait "${stages_job#*:}" 2>/dev/null || true
        stages_job=$stages_logs/${stages_job%%:*}
        cat "$stages_job.log"
        stages_result "$(cat "$stages_job.what")" $(cat "$stages_job.result" 2>/dev/null || echo 1 0)
    done
    stages_started=""
}
stages_in_systems() { # entry...
    for stages_entry in "$@"; do
        stage_start "in a new ${stages_entry%%:*} system" xvfb-run -a -s "$XVFB_SERVER" "$0" --system "$stages_entry"
        sleep 2 # each server takes its number before the next looks for a free one
    done
    stages_wait
    stages_end
}
stages_end() {
    [ -z "$stages_logs" ] || rm -rf "$stages_logs"
    printf '\n%s' "$stages_summary"
    echo "$stages_name: $(($(printf %s "$stages_summary" | wc -l) - stages_failed)) passed, $stages_failed failed"
    [ $stages_failed -eq 0 ]
}
