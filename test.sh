#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; fails when any test fails.
#   ./test.sh             Release build in build/
#   ./test.sh --sanitize  address and undefined-behaviour sanitizers, in build-sanitize/
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/deps.sh"

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
