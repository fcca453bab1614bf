# Sourced by the bench scripts with their own arguments ([BUILD_DIR]
# [WORK_DIR]): sets repo, build, work, size_mib and bench, builds
# pelimor_bench in Release mode when it is missing, and generates a random
# image of BENCH_IMAGE_MIB MiB (default 1024) at $image, of $image_bytes.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$repo/build-bench}
work=${2:-$(mktemp -d)}
size_mib=${BENCH_IMAGE_MIB:-1024}
mkdir -p "$work"

if [ ! -x "$build/bench/pelimor_bench" ]; then
    cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPELIMOR_BUILD_BENCH=ON -DPELIMOR_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" --target pelimor_bench -j2 >/dev/null
fi
bench=$build/bench/pelimor_bench
export QT_QPA_PLATFORM=offscreen

image=$work/image.iso
echo "generating a ${size_mib} MiB image in $work ..."
head -c $((size_mib * 1024 * 1024)) /dev/urandom >"$image"
image_bytes=$(stat -c %s "$image")
