#!/usr/bin/env bash
# Hashes a generated 1 GiB image with the program's image check and with the
# system's sha256sum in the same run, from a warm page cache, three rounds
# taken in turn (the median of each counts).
#
# Reports: seconds and throughput of sha256sum, of the check as the burn
# command runs it (window, event loop, worker thread) and of the checker's
# hash alone; the ratio check/sha256sum (goal: at least 0.9); the peak
# resident memory of the checking program against the idle program (goal:
# under 16 MiB more); the longest stall of the window's event loop.
#
# Usage: bench/run-check-bench.sh [BUILD_DIR] [WORK_DIR]
#   BUILD_DIR  where to build (default: build-bench); built with
#              -DPELIMOR_BUILD_BENCH=ON in Release mode if needed
#   WORK_DIR   where the image goes (default: a new temporary folder; needs
#              about 1 GiB free)
# Needs: bash, cmake, a C++ compiler, Qt 6, libburn-dev, libssl-dev,
# coreutils, GNU time.
set -euo pipefail

source "$(dirname "$0")/setup-bench.sh" "$@"
rounds=${BENCH_ROUNDS:-3}
# A published checksum that does not match: the check hashes the whole
# image and stops the burn before the (virtual) recorder is touched.
printf '%064d  image.iso\n' 0 >"$work/SHA256SUMS"
cat "$image" >/dev/null

value() { sed -n "s/^$1=//p" "$2" | head -n1; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

/usr/bin/time -f '%e %M' -o "$work/idle.time" "$bench" idle >/dev/null
for round in $(seq "$rounds"); do
    /usr/bin/time -f '%e %M' -o "$work/sum.$round.time" sha256sum "$image" >"$work/sum.$round.out"
    /usr/bin/time -f '%e %M' -o "$work/check.$round.time" "$bench" check "$image" "$work/target.iso" \
        >"$work/check.$round.out"
    "$bench" hash "$image" >"$work/hash.$round.out"
    if ! grep -q '^message=Image damaged' "$work/check.$round.out"; then
        echo "the check did not run to its end:" >&2
        cat "$work/check.$round.out" >&2
        exit 1
    fi
    if [ "$(value sha256 "$work/hash.$round.out")" != "$(cut -d' ' -f1 "$work/sum.$round.out")" ]; then
        echo "the checker's hash differs from sha256sum's" >&2
        exit 1
    fi
done

sum_s=$(for r in $(seq "$rounds"); do cut -d' ' -f1 "$work/sum.$r.time"; done | median)
check_s=$(for r in $(seq "$rounds"); do value check_seconds "$work/check.$r.out"; done | median)
hash_s=$(for r in $(seq "$rounds"); do value hash_seconds "$work/hash.$r.out"; done | median)
stall_ms=$(for r in $(seq "$rounds"); do value longest_stall_ms "$work/check.$r.out"; done | sort -g | tail -n1)
peak_kib=$(for r in $(seq "$rounds"); do cut -d' ' -f2 "$work/check.$r.time"; done | sort -g | tail -n1)
idle_kib=$(cut -d' ' -f2 "$work/idle.time")
load=$(cut -d' ' -f1-3 /proc/loadavg)
sha_ni=$(grep -q -m1 -w sha_ni /proc/cpuinfo && echo yes || echo no)

awk -v bytes="$image_bytes" -v sum="$sum_s" -v check="$check_s" -v hash="$hash_s" -v idle="$idle_kib" \
    -v peak="$peak_kib" -v stall="$stall_ms" -v load="$load" -v rounds="$rounds" -v shani="$sha_ni" '
function mbps(s) { return bytes / s / 1e6 }
function verdict(ok) { return ok ? "met" : "NOT met" }
BEGIN {
    ratio = sum / check
    extra = (peak - idle) / 1024
    printf "image: %.0f MiB, warm cache, median of %d rounds; CPU SHA extensions: %s\n", bytes / 1048576, rounds, shani
    printf "sha256sum:                    %6.2f s  %7.1f MB/s\n", sum, mbps(sum)
    printf "program, check before a burn: %6.2f s  %7.1f MB/s\n", check, mbps(check)
    printf "program, checker hash alone:  %6.2f s  %7.1f MB/s\n", hash, mbps(hash)
    printf "throughput ratio (check/sha256sum): %.2f  goal >= 0.90: %s\n", ratio, verdict(ratio >= 0.9)
    printf "peak RSS: idle %.1f MiB, checking %.1f MiB, %.1f MiB more  goal < 16 MiB: %s\n", idle / 1024, peak / 1024, extra, verdict(extra < 16)
    printf "longest event-loop stall during the check: %.1f ms; load average %s\n", stall, load
}'
