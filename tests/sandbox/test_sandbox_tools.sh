#!/usr/bin/env bash
# The sandbox's stand-in tools, run for real against a throw-away sandbox in a temporary folder:
# they must act on the sandbox's own processes and files and refuse everything else.
#   test_sandbox_tools.sh DEFAULTS SANDBOX_RM REPO
set -euo pipefail

if [[ $# -ne 3 ]]; then
    echo "usage: $0 DEFAULTS SANDBOX_RM REPO" >&2
    exit 2
fi
defaults=$(realpath "$1")
sandbox_rm=$(realpath "$2")
ctl=$(realpath "$3")/tools/sandbox/sandboxctl

export LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=
unset XDG_DATA_HOME QUORREL_SANDBOX QUORREL_TOOL_ROOT

work=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-sandbox-test.XXXXXX")
work=$(cd -P "$work" && pwd)
export HOME=$work/user-home
mkdir -p "$HOME"
sandbox=$work/sandbox
home=$sandbox/home
root=$sandbox/root

# shellcheck source-path=SCRIPTDIR source=../support/checks.sh
source "$(dirname -- "${BASH_SOURCE[0]}")/../support/checks.sh"

own_pids=() # processes this test started itself, outside the sandbox
cleanup() {
    count_early_stop $?
    "$ctl" stop "$sandbox" || true
    "$ctl" stop "$work/nl-sandbox"$'\n' 2>/dev/null || true
    local pid
    for pid in "${own_pids[@]}"; do
        kill -s KILL "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Gone, or a zombie nobody has reaped yet: either way no longer running.
ended() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) || return 0
    [[ $state == Z* || $state == X* ]]
}
running() { ! ended "$1"; }

pid_of() { cat "$sandbox/run/$1.pid" 2>/dev/null || echo none; }
no_pid_file() { [[ ! -e $sandbox/run/$1.pid ]]; }

# --- layout and first contents -------------------------------------------------------------
"$ctl" claim "$sandbox"
"$ctl" install "$sandbox" "$defaults" "$sandbox_rm"
"$ctl" seed "$sandbox" "$defaults"

check "defaults in the tool root is a link to the built one" \
    equals "$(readlink "$root/usr/bin/defaults")" "$defaults"
check "the seeded region is today's Mac's: British English with German formats" \
    equals "$(HOME=$home "$root/usr/bin/defaults" read -g AppleLocale)" en_GB@rg=dezzzz
check "and the languages carry their regions" \
    equals "$(HOME=$home "$root/usr/bin/defaults" read -g AppleLanguages | tr -d '\n ')" '("en-GB","de-DE","fr-FR","zh-Hans-CN")'

check "the inactive window is kept open" \
    equals "$(HOME=$home "$root/usr/bin/defaults" read org.quorrel.Quorrel QUkeepInactiveWindowOpen)" 1
check "there are help caches to clear" \
    test -d "$home/Library/Caches/com.apple.helpui" -a -d "$home/Library/Caches/com.apple.helpd" \
    -a -f "$home/Library/Preferences/com.apple.help.plist" -a -f "$home/Library/Preferences/com.apple.helpviewer.plist"

check "stand-in applications carry their bundle identifiers" \
    equals "$(for app in Safari TextEdit Firefox; do
        HOME=$home "$root/usr/bin/defaults" read "$home/Applications/$app.app/Contents/Info" CFBundleIdentifier
    done | tr '\n' ' ')" "com.apple.Safari com.apple.TextEdit org.mozilla.firefox "
check "and one has languages of its own" \
    equals "$(HOME=$home "$root/usr/bin/defaults" read com.apple.TextEdit AppleLanguages | tr -d '\n ')" '("fr-FR","en-GB")'
# A bundle the user changed or removed is left as it is at the next run; a missing one comes back.
HOME=$home "$root/usr/bin/defaults" write "$home/Applications/Safari.app/Contents/Info" CFBundleIdentifier com.example.Changed
rm -rf "$home/Applications/TextEdit.app"
"$ctl" install "$sandbox" "$defaults" "$sandbox_rm"
check "install keeps a changed application and lays out a missing one" \
    equals "$(for app in Safari TextEdit; do
        HOME=$home "$root/usr/bin/defaults" read "$home/Applications/$app.app/Contents/Info" CFBundleIdentifier
    done | tr '\n' ' ')" "com.example.Changed com.apple.TextEdit "

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
run_tool "$root/bin/ps" "-a -x"
check "ps with '-a -x' as one argument is refused, as on the Mac" refused

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

# A look-alike whose one argument is the stand-in's two, joined by a newline: only the exact
# bytes of its command line tell it from a stand-in.
mkfifo "$work/fifo"
# shellcheck disable=SC2016 # expanded by the inner shell
bash -c 'exec -a "$1" cat <>"$2"' impostor "$root/usr/sbin/helpd"$'\n'infinity "$work/fifo" &
joined=$!
own_pids+=("$joined")
echo "$joined" >"$sandbox/run/helpd.pid"
run_tool "$root/bin/kill" -s KILL "$joined"
check "kill of a look-alike with the stand-in's arguments joined by a newline is refused" refused
check "and the look-alike still runs" running "$joined"
rm -f "$sandbox/run/helpd.pid"

for pid in "$outsider" "$impostor" "$joined"; do
    kill -s KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
done
own_pids=()

# --- kill and killall: the process checked is the process signalled ----------------------------
# In a process-id namespace of the test's own, where the ids are ours to hand out: between kill's
# check and its signal the stand-in ends and a decoy gets its id. The decoy must survive.
race_sandbox=$work/race-sandbox
"$ctl" claim "$race_sandbox"
"$ctl" install "$race_sandbox" "$defaults" "$sandbox_rm"
race_signal() { # NAME TOOL ARGUMENT...: prints "took-the-id decoy-state status"
    # shellcheck disable=SC2016 # expanded by the inner shell
    unshare --pid --fork --mount-proc bash -c '
        ctl=$1 sandbox=$2 name=$3 tool=$4
        shift 4
        "$ctl" start "$sandbox" "$name"
        target=$(cat "$sandbox/run/$name.pid")
        operand=$name
        [[ $tool != */kill ]] || operand=$target
        hold=$(mktemp -d)
        QUORREL_SANDBOX_SIGNAL_HOLD=$hold "$sandbox/$tool" "$@" "$operand" >/dev/null 2>&1 &
        killer=$!
        for ((i = 0; i < 600; i++)); do [[ ! -e $hold/held ]] || break; sleep 0.1; done
        kill -s KILL "$target"
        for ((i = 0; i < 600; i++)); do [[ -e /proc/$target ]] || break; sleep 0.01; done
        echo $((target - 1)) >/proc/sys/kernel/ns_last_pid
        bash -c "exec -a decoy sleep 600" &
        decoy=$!
        touch "$hold/go"
        status=0
        wait "$killer" || status=$?
        state=$(sed "s/.*) //" "/proc/$decoy/stat" 2>/dev/null | cut -c1)
        echo "$((decoy == target)) ${state:-gone} $status"
        { kill -s KILL "$decoy" && wait "$decoy"; } 2>/dev/null
        "$ctl" stop "$sandbox" >/dev/null 2>&1 || true
        rm -rf "$hold"
    ' race "$ctl" "$race_sandbox" "$@"
}
if unshare --pid --fork --mount-proc true 2>/dev/null && [[ -w /proc/sys/kernel/ns_last_pid ]]; then
    read -r took state status < <(race_signal helpd root/bin/kill -s KILL)
    check "kill: the decoy took the checked stand-in's id (the race was run)" equals "$took" 1
    check "kill did not signal the decoy that took the id" equals "$state" S
    check "and says the process it checked is gone" test "$status" != 0
    read -r took state status < <(race_signal Dock root/usr/bin/killall -KILL)
    check "killall: the decoy took the checked stand-in's id (the race was run)" equals "$took" 1
    check "killall did not signal the decoy that took the id" equals "$state" S
else
    echo "skip the pid-reuse races: no process-id namespace of our own here"
fi

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

# --- rm: every byte of a name counts, links in every position ---------------------------------
# A decoy of the test's own outside the sandbox: nothing below may remove any of it.
decoy=$work/decoy
mkdir -p "$decoy/com.apple.helpd"
echo keep >"$decoy/p"
echo keep >"$decoy/com.apple.helpd/file"
decoy_intact() { [[ -f $decoy/p && -f $decoy/com.apple.helpd/file ]]; }
home_intact() { [[ -f $home/Library/Preferences/.GlobalPreferences.plist ]]; }
nl=$'\n'

# A link z leading out, and a path through a folder "z\n" that is missing, then present.
ln -s "$decoy" "$caches/z"
run_tool "$root/bin/rm" -Rf "$caches/z$nl/./p"
check "rm -Rf 'z\\n/./p' with no folder 'z\\n' does not go through the link 'z'" decoy_intact
mkdir "$caches/z$nl"
echo x >"$caches/z$nl/p"
run_tool "$root/bin/rm" -Rf "$caches/z$nl/./p"
check "rm -Rf 'z\\n/./p' removes the p in the folder 'z\\n'" test "$status" = 0 -a ! -e "$caches/z$nl/p"
check "and not the p that the link 'z' leads to" decoy_intact

# What Quorrel's clearing would hit: a real folder "Cx\n" beside a link "Cx" leading out.
mkdir -p "$home/Library/Cx$nl/com.apple.helpd"
ln -s "$decoy" "$home/Library/Cx"
run_tool "$root/bin/rm" -Rf "$home/Library/Cx$nl/com.apple.helpd"
check "rm -Rf 'Cx\\n/com.apple.helpd' removes the folder in 'Cx\\n'" \
    test "$status" = 0 -a ! -e "$home/Library/Cx$nl/com.apple.helpd"
check "and leaves the one that the link 'Cx' leads to" decoy_intact

echo a >"$caches/n"
echo b >"$caches/n$nl"
run_tool "$root/bin/rm" -f "$caches/n$nl"
check "rm -f 'n\\n' removes the file 'n\\n'" test "$status" = 0 -a ! -e "$caches/n$nl"
check "and leaves the file 'n'" test -f "$caches/n"

mkdir "$caches/L"
echo keep >"$caches/L/file"
ln -s "$decoy" "$caches/L$nl"
run_tool "$root/bin/rm" -Rf "$caches/L$nl"
check "rm -Rf of a link 'L\\n' leading out removes the link" test "$status" = 0 -a ! -L "$caches/L$nl"
check "and leaves the folder 'L'" test -f "$caches/L/file"
check "and the link's target" decoy_intact

run_tool "$root/bin/rm" -Rf "$home/$nl"
check "rm -Rf 'home/\\n' leaves the sandbox home" home_intact
echo x >"$home/$nl"
run_tool "$root/bin/rm" -Rf "$home/$nl"
check "rm -Rf 'home/\\n' removes a file named '\\n' in the home" test "$status" = 0 -a ! -e "$home/$nl"
check "and only that" home_intact
# shellcheck disable=SC2016 # expanded by the inner shell
run_tool bash -c 'cd "$1" && "$2" -Rf ""' empty "$home" "$root/bin/rm"
check "rm -Rf '' run in the home is refused" refused
check "and the home is still there" home_intact
check "the message names the empty path" contains "$err" "rm: '': refused"

run_tool "$root/bin/rm" -Rf "$home/"
check "rm -Rf 'home/' is refused" refused
check "the message says it is the home itself" contains "$err" "rm: $home/: refused: the Quorrel sandbox's home itself"
for name in "$home/." "$home/Library/.." "$caches/." "$caches/.."; do
    run_tool "$root/bin/rm" -Rf "$name"
    check "rm -Rf '$name' is refused" refused
    check "the message names it" contains "$err" "rm: $name: refused"
done
check "and the home is still there" home_intact
run_tool "$root/bin/rm" -Rf "$outside"
check "a refusal of a path outside names the path" contains "$err" "rm: $outside: refused: outside the Quorrel sandbox's home ($home)"
run_tool "$root/bin/rm" "$caches/gone$nl"
check "an error shows a name with a newline escaped" equals "$err" "rm: \$'$caches/gone\\n': No such file or directory"

# Links at the start, in the middle and at the end of a path.
ln -s "$sandbox" "$work/to-sandbox"
mkdir "$caches/first"
run_tool "$root/bin/rm" -Rf "$work/to-sandbox/home/Library/Caches/first"
check "rm through a link at the start that leads into the home removes the folder" \
    test "$status" = 0 -a ! -e "$caches/first"
ln -s "$home/Library/Preferences" "$caches/to-preferences"
echo x >"$home/Library/Preferences/sample.plist"
run_tool "$root/bin/rm" -f "$caches/to-preferences/sample.plist"
check "rm through a link in the middle that stays in the home removes the file" \
    test "$status" = 0 -a ! -e "$home/Library/Preferences/sample.plist"
ln -s "$decoy/p" "$caches/to-decoy-file"
run_tool "$root/bin/rm" -f "$caches/to-decoy-file"
check "rm of a final link to a file outside removes the link" test "$status" = 0 -a ! -L "$caches/to-decoy-file"
check "and leaves the file" decoy_intact
ln -s "$home" "$caches/to-home"
run_tool "$root/bin/rm" -Rf "$caches/to-home/"
check "rm -Rf of a link to the home, with a trailing slash, removes the link" test "$status" = 0 -a ! -L "$caches/to-home"
check "and leaves the home" home_intact
ln -s "$sandbox" "$caches/up"
run_tool "$root/bin/rm" -Rf "$caches/up/home"
check "rm -Rf of the home reached through a link up is refused" refused
check "as the home itself" contains "$err" "refused: the Quorrel sandbox's home itself"
check "and the home is still there" home_intact
run_tool "$root/bin/rm" -Rf "$caches/up/run"
check "rm -Rf of the sandbox's run folder through a link up is refused" test "$status" != 0 -a -d "$sandbox/run"
rm "$caches/up"

mkdir -p "$caches/tree/a/b"
ln -s "$decoy" "$caches/tree/a/b/folder-link"
ln -s "$decoy/p" "$caches/tree/a/file-link"
ln -s "$home" "$caches/tree/home-link"
ln -s "$decoy" "$caches/tree/a/b/link$nl"
run_tool "$root/bin/rm" -Rf "$caches/tree"
check "rm -Rf of a tree holding links at every depth removes the tree" test "$status" = 0 -a ! -e "$caches/tree"
check "and none of what the links lead to" decoy_intact
check "nor the home" home_intact

# A tree deeper than the descriptors a process may hold: the walk keeps one open, not one per
# level. The path to its bottom is longer than any path the system takes, so it is made a
# hundred levels at a time.
mkdir "$caches/deep"
# shellcheck disable=SC2016 # expanded by the inner shell
bash -c 'cd "$1" && for ((i = 0; i < 30; i++)); do mkdir -p "$2" && cd "$2" || exit 1; done && echo x >file' \
    deep "$caches/deep" "$(printf 'd/%.0s' {1..100})"
# shellcheck disable=SC2016 # expanded by the inner shell
run_tool bash -c 'ulimit -n 64 && exec "$1" -Rf "$2"' deep "$root/bin/rm" "$caches/deep"
check "rm -Rf of a 3000-deep tree with 64 descriptors succeeds" status_is 0
check "and the tree is gone" test ! -e "$caches/deep"

# --- rm: options, messages and statuses as on the Mac ------------------------------------------
mac_usage="usage: rm [-f | -i] [-dIPRrvWx] file ...
       unlink [--] file"
run_tool "$root/bin/rm"
check "rm without operands fails with status 64" status_is 64
check "and prints the Mac's usage" equals "$err" "$mac_usage"
run_tool "$root/bin/rm" -f
check "rm -f without operands succeeds quietly" test "$status" = 0 -a -z "$err"
run_tool "$root/bin/rm" -z "$caches/n"
check "rm -z is an illegal option, status 64" test "$status" = 64 -a -f "$caches/n"
check "said as the Mac says it" equals "$err" "rm: illegal option -- z
$mac_usage"
run_tool "$root/bin/rm" -i "$caches/n"
check "rm -i is not supported in the sandbox, status 64" test "$status" = 64 -a -f "$caches/n"
mkdir "$caches/plain"
run_tool "$root/bin/rm" "$caches/plain"
check "rm of a folder without -R or -d fails" test "$status" = 1 -a -d "$caches/plain"
check "saying it is a directory" equals "$err" "rm: $caches/plain: is a directory"
run_tool "$root/bin/rm" -d "$caches/plain"
check "rm -d removes an empty folder" test "$status" = 0 -a ! -e "$caches/plain"
run_tool "$root/bin/rm" "$caches/missing"
check "rm of a missing file fails" status_is 1
check "saying so" equals "$err" "rm: $caches/missing: No such file or directory"
mkdir -p "$caches/v/w"
echo x >"$caches/v/w/f"
run_tool "$root/bin/rm" -Rv "$caches/v"
check "rm -Rv prints each removed path, contents first" \
    equals "$out" "$caches/v/w/f
$caches/v/w
$caches/v"
echo x >"$caches/-f"
# shellcheck disable=SC2016 # expanded by the inner shell
run_tool bash -c 'cd "$1" && "$2" -- -f' dash "$caches" "$root/bin/rm"
check "rm -- -f removes a file named -f" test "$status" = 0 -a ! -e "$caches/-f"
check "nothing above removed the decoy" decoy_intact

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

# --- a sandbox whose folder name ends in a newline --------------------------------------------
# Beside it, a decoy of the same name without the newline that nothing may touch.
nl_sandbox=$work/nl-sandbox$'\n'
mkdir "$work/nl-sandbox"
echo keep >"$work/nl-sandbox/file"
"$ctl" claim "$nl_sandbox"
"$ctl" install "$nl_sandbox" "$defaults" "$sandbox_rm"
check "install lays out a sandbox whose name ends in a newline" test -x "$nl_sandbox/root/bin/ps"
check "and leaves the folder named without the newline alone" equals "$(ls -A "$work/nl-sandbox")" file
"$ctl" start "$nl_sandbox" helpd
nl_helpd=$(cat "$nl_sandbox/run/helpd.pid" 2>/dev/null || echo none)
run_tool "$nl_sandbox/root/bin/ps" -ax
check "its ps lists its helpd" equals "$(tail -n +2 <<<"$out" | awk '{print $1}')" "$nl_helpd"
run_tool "$nl_sandbox/root/bin/kill" -s KILL "$nl_helpd"
check "its kill ends its helpd" test "$status" = 0
check "which has ended" ended "$nl_helpd"
"$ctl" stop "$nl_sandbox"

# --- sandboxctl: the folder whose marker is checked is the folder worked on ---------------------
# A link flipping between a sandbox and a decoy of the test's own: a command that resolved the
# link twice would find the marker in one folder and empty the other.
flip_decoy=$work/flip-decoy
flip_sandbox=$work/flip-sandbox
flip_link=$work/flip-link
mkdir -p "$flip_decoy/keep"
echo keep >"$flip_decoy/keep/file"
ln -s "$flip_sandbox" "$flip_link"
(
    while :; do
        ln -sfn "$flip_decoy" "$flip_link.new" && mv -T "$flip_link.new" "$flip_link"
        ln -sfn "$flip_sandbox" "$flip_link.new" && mv -T "$flip_link.new" "$flip_link"
    done
) &
flipper=$!
own_pids+=("$flipper")
for ((round = 0; round < 40; round++)); do
    "$ctl" claim "$flip_sandbox"
    mkdir -p "$flip_sandbox/home"
    "$ctl" delete "$flip_link" >/dev/null 2>&1 || true
    "$ctl" status "$flip_link" >/dev/null 2>&1 || true
done
{ kill -s KILL "$flipper" && wait "$flipper"; } 2>/dev/null || true
check "sandboxctl delete through a link repointed meanwhile never emptied the decoy" test -f "$flip_decoy/keep/file"

# A run folder that is a link out of the sandbox: no pid or lock file is written through it.
run_decoy=$work/run-decoy
mkdir -p "$run_decoy"
link_sandbox=$work/link-run-sandbox
"$ctl" claim "$link_sandbox"
"$ctl" install "$link_sandbox" "$defaults" "$sandbox_rm"
rm -rf "$link_sandbox/run"
ln -s "$run_decoy" "$link_sandbox/run"
run_tool "$ctl" start "$link_sandbox" helpd
check "sandboxctl start refuses a sandbox whose run folder is a link" refused
run_tool "$link_sandbox/root/usr/bin/killall" Dock
check "so does its killall" refused
check "and nothing was put where the link leads" equals "$(ls -A "$run_decoy")" ""
"$ctl" stop "$link_sandbox" 2>/dev/null || true

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

finish_checks
