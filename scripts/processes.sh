# Sourced by the check scripts: every process they start is tracked by its PID and ended, and
# waited for, when the script exits; and they wait for what they need by polling for it.
tracked_pids=()
track() {
    tracked_pids+=("$1")
}
end_tracked() {
    for pid in "${tracked_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# Polls, every tenth of a second, until the command succeeds; gives up after the deadline, in
# seconds, and fails.
wait_for() { # seconds command...
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
