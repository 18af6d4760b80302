#!/usr/bin/env bash
# Builds the Debian package, installs it as a user would, runs both programs from the installed
# paths on the installed data, and removes the package again. Fails at the first thing that is wrong.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

dir=build-package
"$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DOMENARY_TESTS=OFF -DOMENARY_BENCH=OFF
(cd "$root/$dir" && rm -f omenary_*.deb && cpack -G DEB > /dev/null)
deb=$(ls "$root/$dir"/omenary_*.deb)
echo "== package: $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Architecture Depends

echo "== install"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "$deb" > /dev/null
trap 'DEBIAN_FRONTEND=noninteractive "${sudo[@]}" dpkg -r omenary > /dev/null' EXIT
module=$(dpkg -L omenary | grep '/omenary/omenary-print.so$')
for file in /usr/bin/omenary /usr/bin/omenary-cli "$module" /usr/share/omenary/HOROSCOPE.INI \
    /usr/share/omenary/Calendar1.TXT /usr/share/omenary/logo.bmp /usr/share/applications/omenary.desktop \
    /usr/share/icons/hicolor/scalable/apps/omenary.svg; do
    [ -f "$file" ] || { echo "missing after install: $file" >&2; exit 1; }
done
grep -q '^Path=/usr/share/omenary$' /usr/share/applications/omenary.desktop
man -w omenary-cli > /dev/null
echo "installed: programs, printing module ($module), data, menu entry (working directory /usr/share/omenary), icon, manual page"

echo "== omenary-cli from /usr/bin on /usr/share/omenary"
work=$(mktemp -d)
cd "$work"
for command in "general --back 140 --person1 1 --year 2548" "marriage --groom 2517 --bride 2520" \
    "coin --stem 3 --branch 7 --start 2547-01-05"; do
    name=${command%% *}
    # shellcheck disable=SC2086
    omenary-cli $command --today 2005-03-15 --data /usr/share/omenary --pdf "$name.pdf" > "$name.json"
    pages=$(pdfinfo "$name.pdf" | awk '/^Pages:/ {print $2}')
    size=$(pdfinfo "$name.pdf" | awk '/^Page size:/ {print $3 "x" $5}')
    echo "$name: $(wc -c < "$name.json") bytes of JSON, $pages page PDF, ${size} pt"
    [ "$pages" = 1 ]
done
# Printing is a module of its own, loaded from the library folder: a printer that does not exist is
# named in the answer (a missing module would say that printing is not available).
set +e
answer=$(omenary-cli general --back 140 --person1 1 --year 2548 --data /usr/share/omenary --print nosuch 2>&1 >/dev/null)
status=$?
set -e
echo "print to a printer that does not exist: status $status: $answer"
[ "$status" = 1 ] && [[ "$answer" == *"'nosuch'"* ]]

echo "== omenary from /usr/bin in the menu entry's working directory"
mkdir -p "$work/home"
# A desktop session's private runtime folder, which a root shell lacks.
mkdir -m 700 "$work/runtime"
set +e
(cd /usr/share/omenary && HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=offscreen timeout 3 omenary)
status=$?
set -e
# Still running when the time was up: the window started and was waiting for the user.
[ "$status" = 124 ] || { echo "omenary ended with status $status" >&2; exit 1; }
grep -q '^Run=True' "$work/home/.config/MorvitOmenary.ini"
echo "the window started and recorded Run=True in its settings"
rm -rf "$work"
echo "== remove"
