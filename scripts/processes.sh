# Sourced by the check scripts: every process they start is tracked by its PID and ended, and
# waited for, when the script exits.
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
