#!/usr/bin/env bash
# scripts/run and scripts/test as a newcomer meets them, run for real: their options, the
# folders scripts/run agrees to use and to delete (decoys of the test's own in a temporary
# folder), and Quorrel itself on a virtual display for --screenshot, --reset and Ctrl-C.
#   test_scripts.sh REPO BUILD_DIR
# BUILD_DIR is a build that is already done, so that scripts/run finds nothing to rebuild.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 REPO BUILD_DIR" >&2
    exit 2
fi
repo=$(realpath "$1")
build=$(realpath "$2")
run=$repo/scripts/run

export LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=
unset XDG_DATA_HOME QUORREL_SANDBOX QUORREL_TOOL_ROOT DISPLAY WAYLAND_DISPLAY
export QUORREL_BUILD_DIR=$build

work=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-run-test.XXXXXX")
work=$(cd -P "$work" && pwd)
export HOME=$work/user-home
mkdir -p "$HOME"
cd "$work" # a stray relative file name lands here, not in the tree

# shellcheck source-path=SCRIPTDIR source=../support/checks.sh
source "$(dirname -- "${BASH_SOURCE[0]}")/../support/checks.sh"

sandboxes=() # every sandbox folder a run below may have started stand-ins in
background=
cleanup() {
    count_early_stop $?
    [[ -z $background ]] || kill -s KILL -- "-$background" 2>/dev/null || true
    local sandbox
    for sandbox in "${sandboxes[@]}"; do
        [[ ! -f $sandbox/.quorrel-sandbox ]] || "$repo/tools/sandbox/sandboxctl" stop "$sandbox" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Runs scripts/run on sandbox folder $1 with the remaining arguments. The time limit only keeps
# a regression that starts Quorrel for good from hanging the test; nothing is timed.
run_in() {
    local sandbox=$1
    shift
    sandboxes+=("$sandbox")
    run_tool env QUORREL_SANDBOX="$sandbox" timeout -s INT 300 "$run" "$@"
}

# Everything about a folder that a deletion or a takeover would change, contents included.
snapshot() {
    (cd "$1" && find . -printf '%p %y %s %m %l\n' | LC_ALL=C sort && find . -type f -exec md5sum {} + | LC_ALL=C sort)
}

# A folder laid out like a Linux root file system or a backup of one: home/ and root/ and more.
make_root_like() {
    mkdir -p "$1/home/someone" "$1/root" "$1/run" "$1/etc"
    echo "someone's file" >"$1/home/someone/notes.txt"
    echo "root:x:0:0:root:/root:/bin/bash" >"$1/etc/passwd"
}

# What scripts/run made before sandboxes carried a marker: .seeded, home/, root/ and run/.
make_unmarked_sandbox() {
    mkdir -p "$1/home/Library/Preferences" "$1/root/usr/libexec" "$1/root/bin" "$1/run"
    cp "$repo/tools/sandbox/lib.sh" "$1/root/usr/libexec/quorrel-sandbox.sh"
    HOME=$1/home "$build/defaults" write -g AppleLocale fr_FR
    touch "$1/.seeded"
}

png_size() { identify -format '%w %h' "$1" 2>/dev/null || echo none; }
# Mean brightness from 0 (black) to 1 (white), in hundredths.
png_brightness() { convert "$1" -colorspace Gray -format '%[fx:int(mean*100)]' info: 2>/dev/null || echo 0; }
region_in() { HOME=$1/home "$build/defaults" read -g AppleLocale 2>/dev/null || echo none; }
marked() { [[ -f $1/.quorrel-sandbox && ! -L $1/.quorrel-sandbox ]]; }
succeeded_and_marked() { [[ $status == 0 ]] && marked "$1"; }
marked_through_link() { [[ -L $1 ]] && marked "$1"; }

# --- options ----------------------------------------------------------------------------------
run_in "$work/unused" --no-such-option
check "scripts/run --no-such-option fails with status 2" status_is 2
check "saying the option is unknown" contains "$err" "unknown option --no-such-option"
check "and printing the usage" contains "$err" "scripts/run [--reset] [--screenshot FILE.png]"
check "without creating a sandbox" test ! -e "$work/unused"
run_in "$work/unused" some-argument
check "scripts/run with an argument fails with status 2: Quorrel takes none" status_is 2
check "saying so" contains "$err" "unknown argument some-argument"
run_in "$work/unused" -- --reset
check "scripts/run -- passes nothing on either" status_is 2

run_in "$work/unused" --screenshot
check "scripts/run --screenshot without a file name fails with status 2" status_is 2
check "saying a file name is needed" contains "$err" "scripts/run: --screenshot needs a file name"
run_in "$work/unused" --screenshot --reset
check "an option after --screenshot is not taken as its file name" \
    contains "$err" "scripts/run: --screenshot needs a file name"
run_in "$work/unused" --screenshot "$work/no-such-folder/shot.png"
check "scripts/run --screenshot into a missing folder fails with status 2" status_is 2
check "saying so in its own words" contains "$err" "scripts/run: cannot save the screenshot: no folder $work/no-such-folder"
check "with no message of import's" lacks "$err" "import:"
check "and without creating a sandbox" test ! -e "$work/unused"
for folder in /tmp "$work" "$work/"; do
    run_in "$work/unused" --screenshot "$folder"
    check "scripts/run --screenshot $folder fails with status 2" status_is 2
    check "saying $folder is a folder" contains "$err" "cannot save the screenshot: $folder is a folder"
done
check "and without creating a sandbox" test ! -e "$work/unused"

# scripts/test, copied into a tree of its own with a tiny project whose one test fails in the
# normal build and passes in the sanitizer build: nothing of the real tree is built or run.
tiny=$work/test-copy
mkdir -p "$tiny/scripts"
cp "$repo/scripts/test" "$repo/scripts/install-deps" "$tiny/scripts/"
cat >"$tiny/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.22)
project(TinyTests NONE)
enable_testing()
if(CMAKE_BUILD_TYPE STREQUAL Debug)
  add_test(NAME passes COMMAND ${CMAKE_COMMAND} -E true)
else()
  add_test(NAME fails COMMAND ${CMAKE_COMMAND} -E false)
endif()
CMAKE
run_tool "$tiny/scripts/test" --help
check "scripts/test --help succeeds" status_is 0
check "and prints the usage" contains "$out" "scripts/test [--help]"
check "and runs nothing" test ! -e "$tiny/build" -a ! -e "$tiny/build-asan"
run_tool "$tiny/scripts/test" --no-such-option
check "scripts/test --no-such-option fails with status 2" status_is 2
check "printing the usage" contains "$err" "scripts/test [--help]"
check "and runs nothing" test ! -e "$tiny/build" -a ! -e "$tiny/build-asan"
run_tool "$tiny/scripts/test"
check "scripts/test fails when the normal suite fails" status_is 1
check "but still runs the sanitizer suite" contains "$out" "== Build and tests under AddressSanitizer"
check "which passes" contains "$out" "100% tests passed"
check "and says which failed" contains "$out" "scripts/test: FAILED: the tests"
check "and only that" lacks "$out" "FAILED: the tests under the sanitizers"

# A clone in a folder whose path holds a space: the sanitizers must still read their options,
# suppressions file included. The sanitizer build's one test is a program built with
# AddressSanitizer, which aborts at start when its options cannot be parsed.
spaced="$work/my projects/quorrel"
mkdir -p "$spaced/scripts" "$spaced/tests"
cp "$repo/scripts/test" "$repo/scripts/install-deps" "$spaced/scripts/"
cp "$repo/tests/lsan.supp" "$spaced/tests/"
cat >"$spaced/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.22)
project(TinySanitized C)
enable_testing()
if(CMAKE_BUILD_TYPE STREQUAL Debug)
  file(WRITE ${CMAKE_BINARY_DIR}/starts.c "int main(void) { return 0; }\n")
  add_executable(starts ${CMAKE_BINARY_DIR}/starts.c)
  target_compile_options(starts PRIVATE -fsanitize=address)
  target_link_options(starts PRIVATE -fsanitize=address)
  add_test(NAME sanitized_program_starts COMMAND starts)
else()
  add_test(NAME passes COMMAND ${CMAKE_COMMAND} -E true)
endif()
CMAKE
run_tool "$spaced/scripts/test"
check "in a clone under a path with a space, the sanitizer suite passes" lacks "$out" "FAILED: the tests under the sanitizers"
check "its program read the sanitizer options whole" lacks "$out$err" "expected '='"
check "both suites passed" equals "$(grep -c "100% tests passed" <<<"$out")" 2

# --- folders that are not sandboxes -------------------------------------------------------------
root_like=$work/root-like
make_root_like "$root_like"
before=$(snapshot "$root_like")
run_in "$root_like" --reset
check "scripts/run --reset of a folder with home/ and root/ but no marker fails" test "$status" != 0
check "saying it is not a sandbox" contains "$err" "not a Quorrel sandbox"
check "and the folder is exactly as it was" equals "$(snapshot "$root_like")" "$before"
run_in "$root_like" --screenshot "$work/root-like.png"
check "scripts/run refuses to take over that folder" test "$status" != 0 -a ! -e "$work/root-like.png"
check "and leaves it exactly as it was" equals "$(snapshot "$root_like")" "$before"

own=$work/own-folder
mkdir "$own"
echo "mine" >"$own/letter.txt"
before=$(snapshot "$own")
run_in "$own" --screenshot "$work/own.png"
check "scripts/run refuses a non-empty folder without a marker" test "$status" != 0 -a ! -e "$work/own.png"
check "naming it" contains "$err" "$own"
check "and leaves it exactly as it was" equals "$(snapshot "$own")" "$before"

wrong_marker=$work/wrong-marker
make_root_like "$wrong_marker"
echo "not the marker" >"$wrong_marker/.quorrel-sandbox"
before=$(snapshot "$wrong_marker")
run_in "$wrong_marker" --reset
check "scripts/run --reset refuses a marker file of other content" test "$status" != 0
check "and leaves the folder exactly as it was" equals "$(snapshot "$wrong_marker")" "$before"

extra=$work/unmarked-with-more
make_unmarked_sandbox "$extra"
echo "mine" >"$extra/letter.txt"
before=$(snapshot "$extra")
run_in "$extra" --reset
check "an old unmarked sandbox holding anything else is refused" test "$status" != 0
check "and left exactly as it was" equals "$(snapshot "$extra")" "$before"

# --- a new sandbox, a screenshot of the window ------------------------------------------------
fresh=$work/fresh
run_in "$fresh" --screenshot "$work/fresh.png"
check "scripts/run --screenshot in a missing folder succeeds" status_is 0
check "without a stray 'Terminated'" lacks "$out$err" "Terminated"
check "the new sandbox carries the marker" marked "$fresh"
check "and the first contents" equals "$(region_in "$fresh")" en_GB@rg=dezzzz
check "the screenshot is a PNG" test -s "$work/fresh.png"
read -r width height <<<"$(png_size "$work/fresh.png")"
check "of Quorrel's window, not the whole 1280x800 screen" \
    test "${width:-0}" -gt 100 -a "${height:-0}" -gt 100 -a "${width:-0}x${height:-0}" != 1280x800
check "which is mostly light, not the black of an empty screen" test "$(png_brightness "$work/fresh.png")" -ge 50

marker_copy=$work/marker-copy
make_root_like "$marker_copy"
ln -s "$fresh/.quorrel-sandbox" "$marker_copy/.quorrel-sandbox"
before=$(snapshot "$marker_copy")
run_in "$marker_copy" --reset
check "a marker that is a link to a real one does not count" test "$status" != 0
check "and that folder is left exactly as it was" equals "$(snapshot "$marker_copy")" "$before"

# --- --reset of a sandbox -------------------------------------------------------------------------
HOME=$fresh/home "$build/defaults" write -g AppleLocale de_DE
mkdir -p "$fresh/home/Documents"
echo "made in the sandbox" >"$fresh/home/Documents/note.txt"
run_in "$fresh" --reset --screenshot "$work/reset.png"
check "scripts/run --reset of a marked sandbox succeeds" status_is 0
check "saying it deleted it" contains "$err" "deleted the sandbox at $fresh"
check "what was made in it is gone" test ! -e "$fresh/home/Documents/note.txt"
check "its contents are the first ones again" equals "$(region_in "$fresh")" en_GB@rg=dezzzz
check "and it carries the marker again" marked "$fresh"

# Through a link to the sandbox (moved to another disk, say): the link must still lead to it.
ln -s "$fresh" "$work/fresh-link"
echo "made in the sandbox" >"$fresh/home/Documents-note.txt"
folder_before=$(stat -c %i "$fresh")
run_in "$work/fresh-link" --reset --screenshot "$work/reset-link.png"
check "scripts/run --reset through a link to a sandbox succeeds" status_is 0
check "what was made in it is gone" test ! -e "$fresh/home/Documents-note.txt"
check "and the link still leads to a marked sandbox" marked_through_link "$work/fresh-link"
check "in the same folder, emptied and kept" equals "$(stat -c %i "$fresh")" "$folder_before"

empty=$work/empty
mkdir "$empty"
run_in "$empty" --screenshot "$work/empty-shot"
check "an empty folder becomes a sandbox" succeeded_and_marked "$empty"
check "a screenshot named without an extension is a PNG" \
    equals "$(head -c 8 "$work/empty-shot" 2>/dev/null | od -An -tx1 | tr -d ' \n')" 89504e470d0a1a0a

old=$work/old-sandbox
make_unmarked_sandbox "$old"
before=$(snapshot "$old")
run_in "$old" --screenshot "$work/old.png"
check "a sandbox made before the marker is refused like any other folder" test "$status" != 0 -a ! -e "$work/old.png"
check "saying it is not a sandbox" contains "$err" "not a Quorrel sandbox"
check "and left exactly as it was" equals "$(snapshot "$old")" "$before"

# --- Ctrl-C ---------------------------------------------------------------------------------------
# scripts/run in a process group of its own, as in a terminal; once Quorrel's window is up,
# SIGINT goes to the whole group, as Ctrl-C sends it. A command started with & would ignore
# SIGINT, which a terminal's foreground job does not.
ctrl_c=$work/ctrl-c
sandboxes+=("$ctrl_c")
QUORREL_SANDBOX=$ctrl_c env --default-signal=INT setsid "$run" >"$work/ctrl-c.out" 2>"$work/ctrl-c.err" &
background=$!
launch=$ctrl_c/run/quorrel.launch
up=false
for ((i = 0; i < 3000; i++)); do
    if [[ -s $launch ]] && { read -r quorrel_pid && read -r display; } <"$launch" &&
        DISPLAY=$display timeout 60 xdotool search --sync --onlyvisible --name '^Quorrel$' >/dev/null 2>&1; then
        up=true
        break
    fi
    kill -0 "$background" 2>/dev/null || break
    sleep 0.1
done
check "scripts/run shows Quorrel's window on a virtual display" $up
# Quorrel's language comes from the sandbox's AppleLanguages (seeded en-GB, de-DE, fr-FR,
# zh-Hans-CN), as on a Mac.
quorrel_language=none
if $up && [[ -r /proc/$quorrel_pid/environ ]]; then
    quorrel_language=$(tr '\0' '\n' <"/proc/$quorrel_pid/environ" | sed -n 's/^LANGUAGE=//p')
fi
check "with LANGUAGE taken from the sandbox's preferred languages" equals "$quorrel_language" en_GB:de_DE:fr_FR:zh_Hans_CN
check "as scripts/run's own child, with no launcher shell between" \
    equals "$(ps -o ppid= -p "${quorrel_pid:-0}" 2>/dev/null | tr -d ' ')" "$background"
kill -s INT -- "-$background" 2>/dev/null || true
status=0
wait "$background" || status=$?
background=
err=$(cat "$work/ctrl-c.err")
check "after Ctrl-C scripts/run ends with status 0" status_is 0
check "without a stray 'Terminated'" lacks "$(cat "$work/ctrl-c.out")$err" "Terminated"
check "and has stopped the stand-ins" test -z "$(ls "$ctrl_c/run"/*.pid 2>/dev/null)"

finish_checks
