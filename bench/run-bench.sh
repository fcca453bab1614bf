#!/usr/bin/env bash
# Burns a generated 1 GiB image to the virtual recorder through the program's
# own window and writer, and compares it with a bare libburn write of the
# same image to the same kind of target in the same run.
#
# Reports: write throughput of both and their ratio (goal: at least 0.9),
# peak resident memory of the burning program against the idle program
# (goal: under 64 MiB more), and the longest stall of the window's event
# loop during the burn (goal: at most 50 ms).
#
# Usage: bench/run-bench.sh [BUILD_DIR] [WORK_DIR]
#   BUILD_DIR  where to build (default: build-bench); built with
#              -DPELIMOR_BUILD_BENCH=ON in Release mode if needed
#   WORK_DIR   where the image and targets go (default: a new temporary
#              folder; needs about 2 GiB free)
# Needs: bash, cmake, a C++ compiler, Qt 6, libburn-dev, GNU time.
set -euo pipefail

source "$(dirname "$0")/setup-bench.sh" "$@"
target=$work/target.iso

# value KEY FILE: the value of a key=value line.
value() { sed -n "s/^$1=//p" "$2" | head -n1; }

# measure NAME COMMAND...: runs the command under GNU time with a fresh
# target; its output lands in $work/NAME.out, time's in $work/NAME.time.
measure() {
    local name=$1
    shift
    rm -f "$target"
    sync
    /usr/bin/time -f '%e %M' -o "$work/$name.time" "$@" >"$work/$name.out"
    rm -f "$target"
}

measure idle "$bench" idle
measure bare "$bench" bare "$image" "$target"
measure window "$bench" window "$image" "$target"
measure noverify "$bench" window-noverify "$image" "$target"

if [ "$(value succeeded "$work/window.out")" != 1 ]; then
    echo "the burn through the window failed:" >&2
    cat "$work/window.out" >&2
    exit 1
fi

idle_kib=$(cut -d' ' -f2 "$work/idle.time")
bare_s=$(value write_seconds "$work/bare.out")
window_write_s=$(value write_seconds "$work/window.out")
window_total_s=$(value total_seconds "$work/window.out")
window_kib=$(cut -d' ' -f2 "$work/window.time")
stall_ms=$(value longest_stall_ms "$work/window.out")
noverify_s=$(value write_seconds "$work/noverify.out")
noverify_stall_ms=$(value longest_stall_ms "$work/noverify.out")
p99_ms=$(value p99_gap_ms "$work/window.out")
over50=$(value gaps_over_50ms "$work/window.out")
load=$(cut -d' ' -f1-3 /proc/loadavg)

awk -v bytes="$image_bytes" -v bare="$bare_s" -v write="$window_write_s" -v total="$window_total_s" \
    -v nov="$noverify_s" -v idle="$idle_kib" -v peak="$window_kib" -v stall="$stall_ms" \
    -v nstall="$noverify_stall_ms" -v p99="$p99_ms" -v over50="$over50" -v load="$load" '
function mbps(s) { return bytes / s / 1e6 }
function verdict(ok) { return ok ? "met" : "NOT met" }
BEGIN {
    ratio = bare / write
    extra = (peak - idle) / 1024
    printf "image: %.0f MiB\n", bytes / 1048576
    printf "bare libburn write:            %7.2f s  %7.1f MB/s\n", bare, mbps(bare)
    printf "program, write phase:          %7.2f s  %7.1f MB/s\n", write, mbps(write)
    printf "program, write + verification: %7.2f s\n", total
    printf "program, verification off:     %7.2f s  %7.1f MB/s\n", nov, mbps(nov)
    printf "throughput ratio (program/bare, write phase): %.2f  goal >= 0.90: %s\n", ratio, verdict(ratio >= 0.9)
    printf "peak RSS: idle %.1f MiB, burning %.1f MiB, %.1f MiB more  goal < 64 MiB: %s\n", idle / 1024, peak / 1024, extra, verdict(extra < 64)
    printf "longest event-loop stall: %.1f ms (verification off: %.1f ms)  goal <= 50 ms: %s\n", stall, nstall, verdict(stall <= 50 && nstall <= 50)
    printf "  10 ms timer gaps: 99th percentile %.1f ms, %d over 50 ms; load average %s\n", p99, over50, load
}'
