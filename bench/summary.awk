# The summary table of bench/run.sh, from its result files in this order: the tick tables with
# the default theme and without it (key mean median min p10 p90 max n, then ratio_KEY median=R
# mean=R), the CPU lines (key wall_s program_ms stat_ms xvfb_ms wineserver_ms block_ms...) and
# the start-up table. Takes -v elapsed=SECONDS.

FILENAME ~ /tick(_unthemed)?\.txt$/ {
    theme = FILENAME ~ /_unthemed/ ? "unthemed" : "themed"
    if ($1 ~ /^ratio_/) {
        split($2, parts, "="); tick_ratio[theme, $1] = parts[2]
        if ($4 ~ /^spread=/) { split($4, parts, "="); tick_spread[theme, $1] = parts[2] }
    }
    else median[theme, $1] = $3
    next
}

# A CPU key is CASE@ROUND: each case is the mean of its rounds, and its rounds are kept to say
# how far they lie apart.
FILENAME ~ /cpu\.txt$/ {
    split($1, key, "@"); k = key[1]
    rounds[k]++
    cpu[k] += ($3 - cpu[k]) / rounds[k]; xvfb[k] += ($5 - xvfb[k]) / rounds[k]; server[k] += ($6 - server[k]) / rounds[k]
    round_cpu[k] = rounds[k] > 1 ? round_cpu[k] "/" sprintf("%.0f", $3) : sprintf("%.0f", $3)
    cpu_lo[k] = rounds[k] > 1 && cpu_lo[k] < $3 ? cpu_lo[k] : $3
    cpu_hi[k] = rounds[k] > 1 && cpu_hi[k] > $3 ? cpu_hi[k] : $3
    lo = $7; hi = $7
    for (i = 8; i <= NF; i++) { if ($i < lo) lo = $i; if ($i > hi) hi = $i }
    # The spread of the blocks, scaled to the whole interval: the largest of any round.
    if ((hi - lo) * (NF - 6) > spread[k]) spread[k] = (hi - lo) * (NF - 6)
    next
}

FILENAME ~ /startup\.txt$/ && $1 ~ /^startup_/ { smed[$1] = $3; smin[$1] = $4; smax[$1] = $7; next }

function verdict(ok) { return ok ? "met" : "MISSED" }

function ratio(a, b, format) { return b > 0 ? sprintf(format, a / b) : "n/a" }

function row(name, a, b, r, goal, result) {
    printf "%-46s %11s %11s %9s  %-15s %s\n", name, a, b, r, goal, result
}

# A ratio whose goal allows for the noise of the run: met when it is at most the goal plus the
# spread of the anchor's own rounds (or halves), which a cost too small to measure lies within.
function noisy_ratio_row(name, a, b, r, goal, spread) {
    row(name, a, b, sprintf("%.2fx", r), sprintf("<= %.1fx +%.0f%%", goal, 100 * spread),
        verdict(r <= goal + spread))
}

# The tick against the anchor timed alternately with it: the ratio of medians, with a goal
# when one is given.
function tick_ratio_row(name, theme, tick_key, anchor_key, ratio_key, goal,    r) {
    r = tick_ratio[theme, ratio_key]
    row(name, sprintf("%.3f", median[theme, tick_key]), sprintf("%.3f", median[theme, anchor_key]),
        sprintf("%.2fx", r), goal > 0 ? sprintf("<= %.1fx", goal) : "", goal > 0 ? verdict(r <= goal) : "")
}

END {
    row("", "tintavo", "anchor", "ratio", "goal", "")
    split("themed unthemed", themes, " ")
    for (t = 1; t <= 2; t++) {
        th = themes[t]
        label = th == "themed" ? "" : ", theme off"
        tick_ratio_row("tick steady / bare read" label, th, "tick_steady", "bare_read_steady", "ratio_steady", 1.2)
        # What the reference picker's tick does, timed on its own rather than alternately.
        row("  tick steady / cursor and bare read" label, sprintf("%.3f", median[th, "tick_steady"]),
            sprintf("%.3f", median[th, "bare_read_cursor"]),
            ratio(median[th, "tick_steady"], median[th, "bare_read_cursor"], "%.2fx"), "", "")
        tick_ratio_row("tick changing / standard controls" label, th, "tick_changing", "standard_changing",
                       "ratio_changing_standard", 1.0)
        tick_ratio_row("  tick changing / the same, as the picker's" label, th, "tick_changing",
                       "standard_styled_changing", "ratio_changing_styled", 0)
        tick_ratio_row("  the same, each with its red box focused" label, th, "tick_changing_focused",
                       "standard_styled_changing_focused", "ratio_changing_focused", 0)
        tick_ratio_row("  tick changing / bare read" label, th, "tick_changing", "bare_read_changing",
                       "ratio_changing", 0)

        # The magnifier open on a steady colour: its own read of the block against the bare read
        # timed alternately with it, and what it adds to a steady tick (ticks with it open and
        # closed, timed in alternating blocks).
        tick_ratio_row("magnifier read / bare read" label, th, "magnifier_read", "bare_read_magnifier",
                       "ratio_magnifier_read", 2)
        tick_ratio_row("  magnifier open: tick / bare read" label, th, "tick_steady_magnifier",
                       "bare_read_steady_magnifier", "ratio_steady_magnifier", 0)
        added = median[th, "tick_steady_magnifier"] - median[th, "tick_steady_magnifier_closed"]
        bare = (median[th, "bare_read_steady_magnifier_closed"] + median[th, "bare_read_steady_magnifier"]) / 2
        r = bare > 0 ? added / bare : 1e9
        row("  magnifier open: added / bare read" label, sprintf("%.3f", added), sprintf("%.3f", bare),
            sprintf("%.2fx", r), "<= 2.0x", verdict(r <= 2))

        # The colour information open: steady ticks with it open against ticks with it closed,
        # timed in alternating blocks; changing ticks the same way, as information.
        noisy_ratio_row("info open: tick steady / closed" label, sprintf("%.3f", median[th, "tick_steady_info"]),
                        sprintf("%.3f", median[th, "tick_steady_info_closed"]), tick_ratio[th, "ratio_steady_info"], 1.0,
                        tick_spread[th, "ratio_steady_info"])
        tick_ratio_row("  info open: tick changing / closed" label, th, "tick_changing_info",
                       "tick_changing_info_closed", "ratio_changing_info", 0)

        # A 7 × 7 average against the single pixel, steady ticks timed in alternating blocks.
        tick_ratio_row("7 x 7 average: tick steady / 1 x 1" label, th, "tick_steady_area7",
                       "tick_steady_area7_closed", "ratio_steady_area7", 1.2)
    }

    # The reference picker is the bare read on its own timer: the anchor for a steady colour.
    r = cpu["reference_steady"] > 0 ? cpu["tintavo_steady"] / cpu["reference_steady"] : 1e9
    row("CPU sampling, steady (ms / 30 s)", sprintf("%.1f", cpu["tintavo_steady"]),
        sprintf("%.1f", cpu["reference_steady"]), ratio(cpu["tintavo_steady"], cpu["reference_steady"], "%.2fx"),
        "<= 1.1x", verdict(r <= 1.1))
    row("  CPU steady, against the standard controls", sprintf("%.1f", cpu["tintavo_steady"]),
        sprintf("%.1f", cpu["reference_controls_steady"]),
        ratio(cpu["tintavo_steady"], cpu["reference_controls_steady"], "%.2fx"), "", "")
    row("  CPU steady, magnifier open (ms / 30 s)", sprintf("%.1f", cpu["tintavo_steady_magnifier"]),
        sprintf("%.1f", cpu["tintavo_steady"]), ratio(cpu["tintavo_steady_magnifier"], cpu["tintavo_steady"], "%.2fx"),
        "", "")
    # The colour information open on the steady colour, against the picker with it closed in the
    # same rounds; the goal allows for how far the closed picker's own rounds lie apart.
    r = cpu["tintavo_steady"] > 0 ? cpu["tintavo_steady_info"] / cpu["tintavo_steady"] : 1e9
    noisy_ratio_row("CPU steady, info open / closed (ms / 30 s)", sprintf("%.1f", cpu["tintavo_steady_info"]),
                    sprintf("%.1f", cpu["tintavo_steady"]), r, 1.0,
                    cpu["tintavo_steady"] > 0 ? (cpu_hi["tintavo_steady"] - cpu_lo["tintavo_steady"]) / cpu["tintavo_steady"] : 0)
    row("  CPU sampling, changing (ms / 30 s)", sprintf("%.1f", cpu["tintavo_changing"]),
        sprintf("%.1f", cpu["reference_changing"]), ratio(cpu["tintavo_changing"], cpu["reference_changing"], "%.2fx"),
        "", "")
    row("  CPU changing, against the standard controls", sprintf("%.1f", cpu["tintavo_changing"]),
        sprintf("%.1f", cpu["reference_controls_changing"]),
        ratio(cpu["tintavo_changing"], cpu["reference_controls_changing"], "%.2fx"), "", "")

    # Held, against the standard controls with a focused number box: both blink a caret.
    r = cpu["reference_controls_held"] > 0 ? cpu["tintavo_held"] / cpu["reference_controls_held"] : 1e9
    row("CPU held (ms / 30 s)", sprintf("%.1f", cpu["tintavo_held"]), sprintf("%.1f", cpu["reference_controls_held"]),
        ratio(cpu["tintavo_held"], cpu["reference_controls_held"], "%.2fx"), "<= 1.05x", verdict(r <= 1.05))
    row("  CPU held, against a window with no text box", sprintf("%.1f", cpu["tintavo_held"]),
        sprintf("%.1f", cpu["reference_held"]), sprintf("%+.1f ms", cpu["tintavo_held"] - cpu["reference_held"]), "", "")

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

    r = smed["startup_reference"] > 0 ? smed["startup_tintavo"] / smed["startup_reference"] : 1e9
    row("start-up to first colour (median ms)", sprintf("%.1f", smed["startup_tintavo"]),
        sprintf("%.1f", smed["startup_reference"]), ratio(smed["startup_tintavo"], smed["startup_reference"], "%.2fx"),
        "<= 1.1x", verdict(r <= 1.1))
    row("  spread (min..max ms)", sprintf("%.0f..%.0f", smin["startup_tintavo"], smax["startup_tintavo"]),
        sprintf("%.0f..%.0f", smin["startup_reference"], smax["startup_reference"]), "", "", "")
    printf "\nCPU ms / 30 s in each round:"
    for (k in round_cpu) printf " %s %s;", k, round_cpu[k]
    printf "\nThe benchmark took %d s; the raw output is in build/windows/e2e/bench/.\n", elapsed
}
