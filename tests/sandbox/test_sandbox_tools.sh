#!/bin/bash
# The sandbox's stand-in tools, run for real against a throw-away sandbox in a temporary folder:
# they must act on the sandbox's own processes and files and refuse everything else.
#   test_sandbox_tools.sh DEFAULTS REPO
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 DEFAULTS REPO" >&2
    exit 2
fi
defaults=$(realpath "$1")
ctl=$(realpath "$2")/tools/sandbox/sandboxctl

export LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=
unset XDG_DATA_HOME QUORREL_SANDBOX QUORREL_TOOL_ROOT

work=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-sandbox-test.XXXXXX")
work=$(cd -P "$work" && pwd)
export HOME=$work/user-home
mkdir -p "$HOME"
sandbox=$work/sandbox
home=$sandbox/home
root=$sandbox/root

own_pids=() # processes this test started itself, outside the sandbox
passed=0
failed=0
finished=false
cleanup() {
    local status=$?
    if ! $finished; then
        failed=$((failed + 1))
        echo "FAIL the test stopped early (status $status)"
        echo "$passed passed, $failed failed"
    fi
    "$ctl" stop "$sandbox" || true
    local pid
    for pid in "${own_pids[@]}"; do
        kill -s KILL "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

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

# Gone, or a zombie nobody has reaped yet: either way no longer running.
ended() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) || return 0
    [[ $state == Z* || $state == X* ]]
}
running() { ! ended "$1"; }

pid_of() { cat "$sandbox/run/$1.pid" 2>/dev/null || echo none; }
no_pid_file() { [[ ! -e $sandbox/run/$1.pid ]]; }

# Runs a tool, keeping its status, output and messages for the checks that follow.
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

# --- layout and first contents -------------------------------------------------------------
"$ctl" install "$sandbox" "$defaults"
"$ctl" seed "$sandbox" "$defaults"

check "defaults in the tool root is a link to the built one" \
    equals "$(readlink "$root/usr/bin/defaults")" "$defaults"
check "the seeded region is en_US" \
    equals "$(HOME=$home "$root/usr/bin/defaults" read -g AppleLocale)" en_US
check "the inactive window is kept open" \
    equals "$(HOME=$home "$root/usr/bin/defaults" read org.quorrel.Quorrel QUkeepInactiveWindowOpen)" 1
check "there are help caches to clear" \
    test -d "$home/Library/Caches/com.apple.helpui" -a -d "$home/Library/Caches/com.apple.helpd" \
    -a -f "$home/Library/Preferences/com.apple.help.plist" -a -f "$home/Library/Preferences/com.apple.helpviewer.plist"

# --- ps -------------------------------------------------------------------------------------
sleep 30 &
outsider=$!
own_pids+=("$outsider")
"$ctl" start "$sandbox" helpd
helpd=$(pid_of helpd)

run_tool "$root/bin/ps" -ax
check "ps -ax succeeds" status_is 0
check "ps -ax prints the Mac's header" equals "$(head -n 1 <<<"$out")" "  PID   TT  STAT      TIME COMMAND"
check "ps -ax lists the stand-in helpd and nothing else" \
    equals "$(tail -n +2 <<<"$out" | awk '{print $1, $NF}')" "$helpd /usr/sbin/helpd"
check "the stand-in helpd runs" running "$helpd"
run_tool "$root/bin/ps" -o pid
check "ps with other options is refused" refused

# --- kill -----------------------------------------------------------------------------------
run_tool "$root/bin/kill" -s KILL "$outsider"
check "kill of a process outside the sandbox is refused" refused
check "and that process still runs" running "$outsider"

run_tool "$root/bin/kill" -s KILL 1
check "kill of pid 1 is refused" refused
for garbage in abc 12abc "" 99999999999999999999; do
    run_tool "$root/bin/kill" -s KILL "$garbage"
    check "kill of pid '$garbage' is refused" refused
done

# A process dressed up as our helpd but not started by the sandbox, and a pid file pointing at
# a process that is not a stand-in.
bash -c 'exec -a "$1" sleep 30' impostor "$root/usr/sbin/helpd" &
impostor=$!
own_pids+=("$impostor")
run_tool "$root/bin/kill" -s KILL "$impostor"
check "kill of a look-alike that the sandbox did not start is refused" refused
check "and the look-alike still runs" running "$impostor"
echo "$outsider" >"$sandbox/run/Dock.pid"
run_tool "$root/bin/kill" -s KILL "$outsider"
check "kill through a pid file naming another process is refused" refused
check "and that process still runs" running "$outsider"
rm "$sandbox/run/Dock.pid"

run_tool "$root/bin/kill" -s KILL "$helpd"
check "kill -s KILL of the stand-in helpd succeeds" status_is 0
check "the stand-in helpd has ended" ended "$helpd"
check "its pid file is gone" no_pid_file helpd
run_tool "$root/bin/ps" -ax
check "ps -ax no longer lists it" equals "$(wc -l <<<"$out")" 1
run_tool "$root/bin/kill" -s KILL "$helpd"
check "a second kill of it is refused" refused

for pid in "$outsider" "$impostor"; do
    kill -s KILL "$pid"
    wait "$pid" 2>/dev/null || true
done
own_pids=()

# --- rm -------------------------------------------------------------------------------------
caches=$home/Library/Caches
run_tool "$root/bin/rm" -Rf "$caches/com.apple.helpui"
check "rm -Rf removes a folder in the sandbox home" status_is 0
check "the folder is gone" test ! -e "$caches/com.apple.helpui"
run_tool "$root/bin/rm" -Rf "$home/Library/Preferences/com.apple.help.plist" "$home/Library/Preferences/com.apple.helpviewer.plist"
check "rm -Rf removes several files in one call" \
    test "$status" = 0 -a ! -e "$home/Library/Preferences/com.apple.help.plist" -a ! -e "$home/Library/Preferences/com.apple.helpviewer.plist"
run_tool "$root/bin/rm" -Rf "$caches/com.apple.no-such-cache"
check "rm -Rf of a missing path in the sandbox succeeds" status_is 0

outside=$work/outside-file
echo keep >"$outside"
run_tool "$root/bin/rm" -Rf "$outside"
check "rm of a file outside the sandbox is refused" refused
check "and the file is still there" test -f "$outside"

run_tool "$root/bin/rm" -Rf "$home/../../outside-file"
check "rm of a .. escape from the sandbox home is refused" refused
# shellcheck disable=SC2016 # expanded by the inner shell
run_tool bash -c 'cd "$1" && "$2" -Rf home/../../outside-file' escape "$sandbox" "$root/bin/rm"
check "rm of a relative .. escape is refused" refused
check "and the file is still there" test -f "$outside"

run_tool "$root/bin/rm" -Rf "$home"
check "rm of the sandbox home itself is refused" refused
run_tool "$root/bin/rm" -Rf "$sandbox/run"
check "rm of the sandbox outside its home is refused" refused

outside_dir=$work/outside-dir
mkdir -p "$outside_dir"
echo keep >"$outside_dir/file"
ln -s "$outside_dir" "$caches/com.apple.helpd/link-out"
run_tool "$root/bin/rm" -Rf "$caches/com.apple.helpd/link-out/file"
check "rm of a path through a link leading out is refused" refused
run_tool "$root/bin/rm" -Rf "$caches/com.apple.helpd/link-out/"
check "rm of a link leading out removes the link" test "$status" = 0 -a ! -L "$caches/com.apple.helpd/link-out"
check "and leaves its target alone" test -f "$outside_dir/file"
ln -s "$outside_dir" "$caches/com.apple.helpd/link-out"
run_tool "$root/bin/rm" -Rf "$caches/com.apple.helpd"
check "rm -Rf of a folder holding a link leading out succeeds" test "$status" = 0 -a ! -e "$caches/com.apple.helpd"
check "and leaves the link's target alone" test -f "$outside_dir/file"

# --- killall --------------------------------------------------------------------------------
"$ctl" start "$sandbox"
finder=$(pid_of Finder)
dock=$(pid_of Dock)
run_tool "$root/usr/bin/killall" Finder
check "killall Finder succeeds" status_is 0
new_finder=$(pid_of Finder)
check "the Finder stand-in has a new pid" test "$new_finder" != "$finder"
check "the old Finder has ended" ended "$finder"
check "the new Finder runs" running "$new_finder"
check "the Dock was left alone" equals "$(pid_of Dock)" "$dock"
run_tool "$root/usr/bin/killall" Dock
check "killall Dock gives the Dock stand-in a new pid" test "$status" = 0 -a "$(pid_of Dock)" != "$dock"
run_tool "$root/usr/bin/killall" Nope
check "killall Nope fails" refused
check "and says so as the Mac does" contains "$err" "No matching processes belonging to you were found"
run_tool "$root/usr/bin/killall" sleep
check "killall of a real process's name matches nothing" refused

# --- stopping -------------------------------------------------------------------------------
helpd=$(pid_of helpd)
finder=$(pid_of Finder)
dock=$(pid_of Dock)
"$ctl" stop "$sandbox"
check "stop ends the helpd stand-in" ended "$helpd"
check "stop ends the Finder stand-in" ended "$finder"
check "stop ends the Dock stand-in" ended "$dock"
check "stop leaves no pid files" test -z "$(ls "$sandbox/run")"
run_tool "$root/bin/ps" -ax
check "ps -ax lists nothing once they are stopped" equals "$out" "  PID   TT  STAT      TIME COMMAND"

finished=true
echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
