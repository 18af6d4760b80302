#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; fails when any test fails.
#   ./test.sh             Release build in build/
#   ./test.sh --sanitize  address and undefined-behaviour sanitizers, in build-sanitize/
#   ./test.sh --fuzz SECONDS  builds the fuzz targets with clang (build-fuzz/) and runs each that long
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/deps.sh"

if [ "${1:-}" = "--fuzz" ]; then
    seconds=${2:?"usage: ./test.sh --fuzz SECONDS"}
    "$root/scripts/deps.sh" clang libclang-rt-14-dev
    CC=clang CXX=clang++ "$root/scripts/build.sh" build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMENARY_FUZZ=ON
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # The targets that read files write their input first; memory is faster than a disk that syncs.
    [ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
    for seeds in "$root"/tests/fuzz/seeds/*/; do
        target=$(basename "$seeds")
        # The corpus grows in the build folder; the seeds in the tree stay as they are. A failing
        # input is saved under build-fuzz/artifacts: copy it to tests/fuzz/regressions/$target.
        corpus="$root/build-fuzz/corpus/$target"
        mkdir -p "$corpus" "$root/build-fuzz/artifacts"
        echo "== $target: ${seconds} s"
        # Each target's scratch files in a folder of its own, removed after the run however it ended.
        scratch=$(mktemp -d)
        TMPDIR=$scratch "$root/build-fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$root/build-fuzz/artifacts/${target}-" "$corpus" "$seeds" 2>&1 |
            grep -E 'DONE|stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY' || true
        status=${PIPESTATUS[0]}
        rm -rf "$scratch"
        [ "$status" -eq 0 ] || { echo "$target found a failing input" >&2; exit 1; }
    done
    exit 0
fi

dir=build
options=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMENARY_SANITIZE=ON -DOMENARY_BENCH=OFF)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
"$root/scripts/build.sh" "$dir" "${options[@]}"

export QT_QPA_PLATFORM=offscreen
cd "$root/$dir"
ctest --output-on-failure --parallel "$(nproc)"
