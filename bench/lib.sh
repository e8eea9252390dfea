# shellcheck shell=bash
# Helpers of bench/run.sh, on top of tests/e2e/lib.sh (sourced first): the reference picker
# started and stopped by its PID, a root colour that changes every second, and the CPU time of
# a process read from /proc.

BENCH_REFERENCE_CLASS=TintavoReferencePicker
BENCH_REFERENCE_EXE=""
BENCH_WINDOW_QUERY_EXE=""
BENCH_REFERENCE_PID=""
BENCH_ALTERNATOR_PID=""

# The two colours the root window takes in turn, and the one it keeps for a steady colour.
BENCH_CHANGING_COLOURS=("#204060" "#C08040")
BENCH_STEADY_COLOUR="#808080"

bench_init() {
    BENCH_REFERENCE_EXE=$(realpath "$1")
    BENCH_WINDOW_QUERY_EXE=$(realpath "$2")
}

# A Windows path for a file of the Unix tree, through drive Z: of the prefix.
bench_windows_path() {
    local path
    path=$(realpath "$1")
    printf 'Z:%s' "${path//\//\\}"
}

window_query() {
    timeout 10 wine "$BENCH_WINDOW_QUERY_EXE" "$@" 2>>"$E2E_RUN_DIR/window_query.log"
}

bench_reference_running() {
    [[ -n $BENCH_REFERENCE_PID ]] && kill -0 "$BENCH_REFERENCE_PID" 2>/dev/null &&
        [[ $(awk '{ print $3 }' "/proc/$BENCH_REFERENCE_PID/stat" 2>/dev/null) != Z ]]
}

bench_reference_title_is() {
    [[ $(window_query title "$BENCH_REFERENCE_CLASS") == "$1"* ]]
}

# Starts the reference picker (wine execs into it, so $! is its PID), with its arguments if any,
# and waits until its title shows the code of its first pixel.
bench_start_reference() {
    wine "$BENCH_REFERENCE_EXE" "$@" >>"$E2E_RUN_DIR/reference.log" 2>&1 &
    BENCH_REFERENCE_PID=$!
    if ! wait_until 30 bench_reference_title_is "#"; then
        e2e_abort "the reference picker showed no colour within 30 s"
    fi
}

bench_reference_gone() {
    ! bench_reference_running
}

bench_stop_reference() {
    [[ -n $BENCH_REFERENCE_PID ]] || return 0
    if bench_reference_running; then
        window_query close "$BENCH_REFERENCE_CLASS" || true
        if ! wait_until 10 bench_reference_gone; then
            kill "$BENCH_REFERENCE_PID" 2>/dev/null || true
        fi
    fi
    wait "$BENCH_REFERENCE_PID" 2>/dev/null || true
    BENCH_REFERENCE_PID=""
}

# Gives the root window the two changing colours in turn, one a second, until stopped.
bench_start_alternating_root() {
    (
        trap 'exit 0' TERM
        while true; do
            for colour in "${BENCH_CHANGING_COLOURS[@]}"; do
                xsetroot -solid "$colour"
                sleep 1
            done
        done
    ) {E2E_PREFIX_LOCK_FD}>&- &
    BENCH_ALTERNATOR_PID=$!
}

# The alternator ends once its current sleep is over; the root then keeps the steady colour.
bench_stop_alternating_root() {
    if [[ -n $BENCH_ALTERNATOR_PID ]]; then
        kill "$BENCH_ALTERNATOR_PID" 2>/dev/null || true
        wait "$BENCH_ALTERNATOR_PID" 2>/dev/null || true
        BENCH_ALTERNATOR_PID=""
    fi
    xsetroot -solid "$BENCH_STEADY_COLOUR"
}

# The wineserver of this run's prefix: the one whose environment names the prefix.
bench_wineserver_pid() {
    local dir pid name
    for dir in /proc/[0-9]*; do
        read -r name 2>/dev/null <"$dir/comm" || continue
        # Debian runs it as wineserver64.
        [[ $name == wineserver || $name == wineserver64 ]] || continue
        pid=${dir#/proc/}
        if tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return 0
        fi
    done
    return 1
}

# CPU time used so far by a process, as "NANOSECONDS CLOCK_TICKS": the scheduler's nanosecond
# account summed over the live threads (/proc/PID/task/*/schedstat), and user plus system time
# of the whole process in clock ticks (fields 14 and 15 of /proc/PID/stat).
bench_cpu_sample() {
    local pid=$1 total=0 run _ file stat
    for file in /proc/"$pid"/task/*/schedstat; do
        read -r run _ 2>/dev/null <"$file" || continue
        total=$((total + run))
    done
    stat=$(<"/proc/$pid/stat")
    # After the command name in parentheses, field 3 comes first: 14 and 15 are at 11 and 12.
    read -r -a fields <<<"${stat##*) }"
    echo "$total $((fields[11] + fields[12]))"
}

# Sleeps until a point on the EPOCHREALTIME clock (seconds, with a fraction).
bench_sleep_until() {
    local left
    left=$(awk -v until="$1" -v now="$EPOCHREALTIME" 'BEGIN { d = until - now; printf "%.3f", (d > 0 ? d : 0) }')
    sleep "$left"
}

# bench_measure_cpu KEY PID SECONDS BLOCKS: the CPU time of PID, Xvfb and the prefix's
# wineserver over SECONDS, read at the end of each of BLOCKS equal blocks. Prints one line:
#   KEY wall_s program_ms program_stat_ms xvfb_ms wineserver_ms block_ms...
# with the milliseconds of each block of the program at the end. Fails when the prefix has no
# wineserver.
bench_measure_cpu() {
    local key=$1 pid=$2 seconds=$3 blocks=$4
    local wineserver start i
    wineserver=$(bench_wineserver_pid) || return 1
    local -a program xvfb server stamps
    start=$EPOCHREALTIME
    for ((i = 0; i <= blocks; i++)); do
        if ((i > 0)); then
            bench_sleep_until "$(awk -v s="$start" -v t="$seconds" -v i="$i" -v n="$blocks" \
                'BEGIN { printf "%.6f", s + t * i / n }')"
        fi
        stamps[i]=$EPOCHREALTIME
        program[i]=$(bench_cpu_sample "$pid")
        xvfb[i]=$(bench_cpu_sample "$E2E_XVFB_PID")
        server[i]=$(bench_cpu_sample "$wineserver")
    done
    local tick
    tick=$(getconf CLK_TCK)
    awk -v key="$key" -v tick="$tick" -v stamps="${stamps[*]}" -v program="${program[*]}" \
        -v xvfb="${xvfb[*]}" -v server="${server[*]}" -v blocks="$blocks" 'BEGIN {
        split(stamps, t, " "); split(program, p, " "); split(xvfb, x, " "); split(server, w, " ")
        # Each sample is two numbers: nanoseconds and clock ticks.
        last = 2 * blocks + 1
        printf "%s %.2f %.2f %.0f %.2f %.2f", key, t[blocks + 1] - t[1], (p[last] - p[1]) / 1e6,
            (p[last + 1] - p[2]) * 1000 / tick, (x[last] - x[1]) / 1e6, (w[last] - w[1]) / 1e6
        for (i = 1; i <= blocks; i++) printf " %.2f", (p[2 * i + 1] - p[2 * i - 1]) / 1e6
        printf "\n"
    }'
}

# Stops what bench/run.sh started besides what tests/e2e/lib.sh stops, then hands over to it.
bench_cleanup() {
    local status=$?
    if [[ -n $BENCH_ALTERNATOR_PID ]]; then
        kill "$BENCH_ALTERNATOR_PID" 2>/dev/null || true
        wait "$BENCH_ALTERNATOR_PID" 2>/dev/null || true
    fi
    if bench_reference_running; then
        kill "$BENCH_REFERENCE_PID" 2>/dev/null || true
        wait "$BENCH_REFERENCE_PID" 2>/dev/null || true
    fi
    # e2e_cleanup reads the exit status from $?; neither errexit nor the ERR trap may act on
    # the subshell that sets it.
    trap - ERR
    set +e
    (exit "$status")
    e2e_cleanup
}
