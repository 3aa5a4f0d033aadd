# Shared by the scripts: a few lines saying what they do, the output of installs and builds in
# a log under build/logs, and the end of that log when a step fails. -v or VERBOSE=1 shows
# every line instead (and reaches the scripts they call).

hw_logs="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/logs"

# The script's arguments: -v, or nothing.
hw_options() {
    local a
    for a in "$@"; do
        case "$a" in
            -v | --verbose) export VERBOSE=1 ;;
            *) echo "usage: $0 [-v]" >&2; exit 2 ;;
        esac
    done
}

hw_verbose() { [ "${VERBOSE:-0}" != 0 ]; }

# Starts the named log afresh.
hw_log_new() {
    hw_verbose && return 0
    mkdir -p "$hw_logs" && : >"$hw_logs/$1.log"
}

# Runs a command with its output added to the named log; on failure shows what explains it:
# from the first failed build step on, or else the log's last lines.
hw_quiet() {  # log name, command...
    local log="$hw_logs/$1.log"; shift
    if hw_verbose; then "$@"; return; fi
    "$@" >>"$log" 2>&1 && return 0
    local rc=$?
    echo "Failed: $*"
    if grep -q '^FAILED: ' "$log"; then
        sed -n '/^FAILED: /,$p' "$log" | head -n 60
    else
        tail -n 30 "$log"
    fi
    echo "(the whole output: ${log#"$PWD/"}; -v shows it as it happens)"
    return $rc
}
