# shellcheck shell=bash
# Checks for the shell tests, sourced, never run: one "ok" or "FAIL" line per check and a
# closing "N passed, M failed". The test sets work to its temporary folder before run_tool.

passed=0
failed=0
finished=false

check() {
    local description=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok   $description"
    else
        failed=$((failed + 1))
        echo "FAIL $description"
    fi
}

# Runs a command, keeping its status, output and messages for the checks that follow.
# shellcheck disable=SC2034,SC2154 # out and err are the test's to read, work the test's own
run_tool() {
    status=0
    "$@" >"$work/out" 2>"$work/err" || status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}
status_is() { [[ $status == "$1" ]]; }
refused() { [[ $status != 0 && -n $err ]]; }
equals() { [[ $1 == "$2" ]]; }
contains() { [[ $1 == *"$2"* ]]; }
lacks() { [[ $1 != *"$2"* ]]; }

# First thing in the test's EXIT trap: a test that stops before finish_checks has failed.
count_early_stop() {
    local status=$1
    if ! $finished; then
        failed=$((failed + 1))
        echo "FAIL the test stopped early (status $status)"
        echo "$passed passed, $failed failed"
    fi
}

# Last thing in the test: the summary, and the test's status.
finish_checks() {
    finished=true
    echo "$passed passed, $failed failed"
    [[ $failed == 0 ]]
}
