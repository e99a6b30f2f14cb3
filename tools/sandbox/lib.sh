# shellcheck shell=bash
# Shared by the sandbox's stand-in tools and by sandboxctl; sourced, never run.
#
# The caller names its sandbox folder with use_sandbox before using anything else.
# Layout: home/ is the Mac user's home, root/ the tool root Quorrel starts its tools from,
# run/ holds NAME.pid for each stand-in process that is up.

# Sets the variable named $1 to the physical path of folder $2 (links resolved), every byte of
# it: $(pwd) alone would drop the newlines a name ends in, and so name another folder.
physical_path() {
    local found
    found=$(CDPATH='' cd -P -- "$2" && pwd -P && echo .) || return 1
    printf -v "$1" '%s' "${found%$'\n.'}"
}

# Points everything below at the sandbox in folder $1, resolved here once. The sandbox's own
# folders are never links: pid and lock files written through one would land outside.
use_sandbox() {
    local part
    sandbox_dir=
    physical_path sandbox_dir "$1" || return 1
    for part in home root run run/.lock; do
        if [[ -L $sandbox_dir/$part ]]; then
            echo "the Quorrel sandbox's $part is a link; refused: $sandbox_dir" >&2
            return 1
        fi
    done
    # shellcheck disable=SC2034 # for the tools and sandboxctl
    sandbox_home=$sandbox_dir/home
    sandbox_root=$sandbox_dir/root
    sandbox_run=$sandbox_dir/run
}

# The Mac processes Quorrel deals with. helpd is only ever looked for and ended; Finder and Dock
# are restarted by killall.
standin_names=(helpd Finder Dock)

# Where the real process lives on a Mac; this is what ps shows.
standin_mac_path() {
    case "$1" in
        helpd) echo /usr/sbin/helpd ;;
        Finder) echo /System/Library/CoreServices/Finder.app/Contents/MacOS/Finder ;;
        Dock) echo /System/Library/CoreServices/Dock.app/Contents/MacOS/Dock ;;
        *) return 1 ;;
    esac
}

is_standin_name() {
    local name
    for name in "${standin_names[@]}"; do
        [[ $name == "$1" ]] && return 0
    done
    return 1
}

# A stand-in is `sleep infinity` started under the Mac path inside our tool root. The path makes
# it recognisable in the real process table, and tells this sandbox's processes from any other's.
standin_argv0() {
    printf '%s\n' "$sandbox_root$(standin_mac_path "$1")"
}

# Whether process PID runs with exactly the arguments given after it. Compared byte for byte,
# the NULs between them included: arguments joined by a newline must not pass for two.
process_has_arguments() {
    local pid=$1
    shift
    cmp -s "/proc/$pid/cmdline" <(printf '%s\0' "$@") 2>/dev/null
}

# Prints the pid of stand-in NAME and succeeds when its pid file names a live process that is
# still the one we started (a pid alone could have been reused by now).
standin_pid() {
    local name=$1 pid
    pid=$(cat "$sandbox_run/$name.pid" 2>/dev/null) || return 1
    [[ $pid =~ ^[1-9][0-9]{0,9}$ ]] || return 1
    process_has_arguments "$pid" "$(standin_argv0 "$name")" infinity || return 1
    echo "$pid"
}

# Prints the name of the stand-in whose pid is PID; fails for any other process.
standin_name_of_pid() {
    local name pid
    for name in "${standin_names[@]}"; do
        if pid=$(standin_pid "$name") && [[ $pid == "$1" ]]; then
            echo "$name"
            return 0
        fi
    done
    return 1
}

# The number of signal $1, given as a number or a name with or without SIG.
signal_number() {
    local name=${1^^}
    name=${name#SIG}
    if [[ $name =~ ^[0-9]{1,2}$ ]]; then
        echo "$((10#$name))"
    elif [[ $name =~ ^[A-Z][A-Z0-9+-]*$ ]]; then
        kill -l "$name" 2>/dev/null
    else
        return 1
    fi
}

# Sends signal $2 to stand-in $1 at pid $3, and only if that process is still the stand-in: the
# helper checks it and signals it through one pidfd, so an id reused in between is never hit.
signal_standin() {
    local name=$1 number
    number=$(signal_number "$2") || {
        echo "$2: unknown signal" >&2
        return 1
    }
    "$sandbox_root/usr/libexec/quorrel-signal" "$number" "$3" "$(standin_argv0 "$name")" infinity
}

# Serialises starts and stops between the tools, which Quorrel may run at the same time.
# Taken once per process (a second flock on a new descriptor would wait for ourselves); it is
# released when the process exits.
sandbox_lock() {
    [[ -n ${sandbox_lock_fd:-} ]] && return 0
    mkdir -p "$sandbox_run"
    exec {sandbox_lock_fd}>>"$sandbox_run/.lock"
    flock "$sandbox_lock_fd"
}

# Waits (a few seconds at most) until PID is no longer stand-in NAME.
wait_until_ended() {
    local name=$1 pid=$2 i current
    for ((i = 0; i < 100; i++)); do
        if ! current=$(standin_pid "$name") || [[ $current != "$pid" ]]; then
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Starts stand-in NAME unless it is up; prints its pid.
standin_start() {
    local name=$1 pidfile i pid
    sandbox_lock
    if pid=$(standin_pid "$name"); then
        echo "$pid"
        return 0
    fi
    pidfile=$sandbox_run/$name.pid
    rm -f "$pidfile"
    # Detached into its own session so that it outlives whoever started it, as the Mac's do.
    # It writes its own pid (kept by exec) and drops every inherited descriptor, above all our
    # lock, which it would otherwise hold for ever.
    # shellcheck disable=SC2016 # expanded by the inner shell
    setsid -f bash -c '
        echo "$$" >"$1.new" && mv -f "$1.new" "$1"
        for fd in /proc/$$/fd/*; do
            fd=${fd##*/}
            if ((fd > 2)); then exec {fd}>&-; fi
        done
        exec -a "$2" sleep infinity' standin "$pidfile" "$(standin_argv0 "$name")" \
        </dev/null >/dev/null 2>&1
    for ((i = 0; i < 100; i++)); do
        if pid=$(standin_pid "$name"); then
            echo "$pid"
            return 0
        fi
        sleep 0.05
    done
    echo "could not start the sandbox's $name" >&2
    return 1
}

# Ends stand-in NAME with SIGNAL (KILL by default) if it is up, and drops its pid file once it
# is gone. Fails only when it outlived the signal.
standin_stop() {
    local name=$1 signal=${2:-KILL} pid
    sandbox_lock
    pid=$(standin_pid "$name") || {
        rm -f "$sandbox_run/$name.pid"
        return 0
    }
    signal_standin "$name" "$signal" "$pid" 2>/dev/null || true
    wait_until_ended "$name" "$pid" || return 1
    rm -f "$sandbox_run/$name.pid"
}
