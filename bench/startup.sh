#!/usr/bin/env bash
# Cold start of the assistant to its main window shown (offscreen platform),
# against a minimal Qt Widgets program showing one window, started in turn in
# the same run. Prints the medians, their ratio and the peak memory.
set -euo pipefail
bin=${1:?usage: startup.sh <directory with lwa_bench_startup and lwa_bench_minimalwindow>}
runs=${RUNS:-15}

sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY

run_once() { # program, home
    local home=$2
    rm -rf "$home"
    mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
    HOME="$home" XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/.config" \
        XDG_CACHE_HOME="$home/.cache" XDG_DATA_HOME="$home/.local/share" \
        LWA_BENCH_T0=$(date +%s%N) "$1" 2>/dev/null | grep '^startup_ms='
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

: >"$sandbox/assist" && : >"$sandbox/minimal"
for ((i = 0; i < runs; i++)); do
    run_once "$bin/lwa_bench_minimalwindow" "$sandbox/home" >>"$sandbox/minimal"
    run_once "$bin/lwa_bench_startup" "$sandbox/home" >>"$sandbox/assist"
done

field() { sed -E "s/.*$1=([0-9.]+).*/\1/" "$2"; }
assist_ms=$(field startup_ms "$sandbox/assist" | median)
minimal_ms=$(field startup_ms "$sandbox/minimal" | median)
assist_kib=$(field peak_kib "$sandbox/assist" | median)
minimal_kib=$(field peak_kib "$sandbox/minimal" | median)

printf 'runs: %d each, offscreen platform, fresh home per run\n' "$runs"
printf 'assistant to main window shown: %8.1f ms  peak RSS %6d KiB\n' "$assist_ms" "$assist_kib"
printf 'minimal Qt Widgets window:      %8.1f ms  peak RSS %6d KiB\n' "$minimal_ms" "$minimal_kib"
awk -v a="$assist_ms" -v m="$minimal_ms" \
    'BEGIN { r = a / m; printf "ratio: %.2f (target at most 1.5): %s\n", r, (r <= 1.5 ? "met" : "not met") }'
