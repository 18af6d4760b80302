#!/usr/bin/env bash
# Regenerates core/calendar/solar_tables.cpp, the coefficient tables of the sun's position:
#   - VSOP87D, Earth, heliocentric longitude L0 ... L5 and radius vector R0 ... R5 (Bretagnon and
#     Francou 1988, ecliptic and equinox of date; the series Meeus, Astronomical Algorithms, ch. 32
#     and appendix III, abridges), truncated below the amplitudes given in make_solar_tables.mjs;
#   - the IAU 1980 nutation series in longitude (Meeus, Astronomical Algorithms, table 22.A).
# The numbers are taken from the npm package astronomia 4.2.0 (MIT licence): data/vsop87Dearth.js and
# the table in src/nutation.js. Only the numbers are copied; nothing of the package runs in the program.
# Needs node and npm (Debian: nodejs npm) and clang-format; nothing else of the build needs them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent astronomia@4.2.0 >/dev/null && tar xzf astronomia-4.2.0.tgz)
out="$root/core/calendar/solar_tables.cpp"
node "$root/tools/make_solar_tables.mjs" "$work/package" >"$out.tmp"
clang-format -i --assume-filename="$out" "$out.tmp" 2>/dev/null || clang-format --style=file:"$root/.clang-format" -i "$out.tmp"
mv "$out.tmp" "$out"
echo "wrote $out"
