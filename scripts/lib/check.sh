# One named check of a test script: runs a command, says whether it passed, and
# counts the failures in $failed, so that every check runs and the script can
# end with [ $failed -eq 0 ]. The script's name prefixes every line.
#   . scripts/lib/check.sh && check "what is checked" command [args...]
failed=0
check() {
    check_what=$1
    shift
    if "$@"; then
        echo "$(basename "$0"): $check_what: passed"
    else
        echo "$(basename "$0"): $check_what: FAILED"
        failed=$((failed + 1))
    fi
}
