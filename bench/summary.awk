# The summary table of bench/run.sh, from its three result files in this order: the tick table
# (key mean median min p10 p90 max n, then ratio_KEY median=R mean=R), the CPU lines (key
# wall_s program_ms stat_ms xvfb_ms wineserver_ms block_ms...) and the start-up table.
# Takes -v elapsed=SECONDS.

FILENAME ~ /tick\.txt$/ && $1 ~ /^ratio_/ { split($2, parts, "="); tick_ratio[$1] = parts[2]; next }
FILENAME ~ /tick\.txt$/ { median[$1] = $3; next }

FILENAME ~ /cpu\.txt$/ {
    cpu[$1] = $3; xvfb[$1] = $5; server[$1] = $6
    lo = $7; hi = $7
    for (i = 8; i <= NF; i++) { if ($i < lo) lo = $i; if ($i > hi) hi = $i }
    # The spread of the blocks, scaled to the whole interval.
    spread[$1] = (hi - lo) * (NF - 6)
    next
}

FILENAME ~ /startup\.txt$/ && $1 ~ /^startup_/ { smed[$1] = $3; smin[$1] = $4; smax[$1] = $7; next }

function verdict(ok) { return ok ? "met" : "MISSED" }

function ratio(a, b, format) { return b > 0 ? sprintf(format, a / b) : "n/a" }

function row(name, a, b, r, goal, result) {
    printf "%-38s %11s %11s %9s  %-15s %s\n", name, a, b, r, goal, result
}

# The tick against the bare reads timed alternately with it; the ratio of medians.
function tick_row(name, k) {
    row(name, sprintf("%.3f", median["tick_" k]), sprintf("%.3f", median["bare_read_" k]),
        sprintf("%.1fx", tick_ratio["ratio_" k]), "<= 3x", verdict(tick_ratio["ratio_" k] <= 3))
}

END {
    row("", "tintavo", "reference", "ratio", "goal", "")
    tick_row("tick, colour changing (median ms)", "changing")
    tick_row("tick, colour steady (median ms)", "steady")

    split("changing steady", cases, " ")
    for (c = 1; c <= 2; c++) {
        k = cases[c]
        r = cpu["reference_" k] > 0 ? cpu["tintavo_" k] / cpu["reference_" k] : 1e9
        row("CPU sampling, " k " (ms / 30 s)", sprintf("%.1f", cpu["tintavo_" k]), sprintf("%.1f", cpu["reference_" k]),
            ratio(cpu["tintavo_" k], cpu["reference_" k], "%.2fx"), "<= 1.5x", verdict(r <= 1.5))
    }

    # The noise of an idle 30 s: how far the reference's two held intervals lie apart, or the
    # spread of either over its blocks, whichever is larger, and never less than one 10 ms
    # clock tick of /proc/PID/stat.
    idle = (cpu["reference_held"] + cpu["reference_held_again"]) / 2
    noise = cpu["reference_held"] - cpu["reference_held_again"]
    if (noise < 0) noise = -noise
    if (spread["reference_held"] > noise) noise = spread["reference_held"]
    if (spread["reference_held_again"] > noise) noise = spread["reference_held_again"]
    if (noise < 10) noise = 10
    d = cpu["tintavo_held"] - idle
    row("CPU held (ms / 30 s)", sprintf("%.1f", cpu["tintavo_held"]),
        sprintf("%.1f/%.1f", cpu["reference_held"], cpu["reference_held_again"]), sprintf("%+.1f ms", d),
        sprintf("within %.0f ms", noise), verdict(d <= noise && -d <= noise))

    split("changing steady held", phases, " ")
    for (c = 1; c <= 3; c++) {
        k = phases[c]
        row("  Xvfb, " k " (ms / 30 s)", sprintf("%.1f", xvfb["tintavo_" k]), sprintf("%.1f", xvfb["reference_" k]),
            ratio(xvfb["tintavo_" k], xvfb["reference_" k], "%.2fx"), "", "")
    }
    for (c = 1; c <= 3; c++) {
        k = phases[c]
        row("  wineserver, " k " (ms / 30 s)", sprintf("%.1f", server["tintavo_" k]),
            sprintf("%.1f", server["reference_" k]), ratio(server["tintavo_" k], server["reference_" k], "%.2fx"),
            "", "")
    }

    row("start-up to first colour (median ms)", sprintf("%.1f", smed["startup_tintavo"]),
        sprintf("%.1f", smed["startup_reference"]), ratio(smed["startup_tintavo"], smed["startup_reference"], "%.2fx"),
        "", "")
    row("  spread (min..max ms)", sprintf("%.0f..%.0f", smin["startup_tintavo"], smax["startup_tintavo"]),
        sprintf("%.0f..%.0f", smin["startup_reference"], smax["startup_reference"]), "", "", "")
    printf "\nThe benchmark took %d s; the raw output is in build/windows/e2e/bench/.\n", elapsed
}
