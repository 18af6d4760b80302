#!/usr/bin/env bash
# Draws every picture file in data/ again: installs the CJK font the drawing needs (the program itself
# never needs it), builds the generator in build-tools/ and writes the bitmaps into data/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"

font=/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc
if ! dpkg-query -W -f='${Status}' fonts-noto-cjk 2>/dev/null | grep -q 'install ok installed'; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends fonts-noto-cjk
fi

"$root/scripts/build.sh" build-tools -DCMAKE_BUILD_TYPE=Release -DOMENARY_TOOLS=ON -DOMENARY_TESTS=OFF \
    -DOMENARY_BENCH=OFF
"$root/build-tools/tools/omenary-make-pictures" --cjk-font "$font" --out "$root/data"
