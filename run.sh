#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the shipped data.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release
cd "$root/data"
exec "$root/build/app/omenary"
