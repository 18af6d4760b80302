#!/usr/bin/env bash
# Builds the Debian package, installs it as a user would, runs both programs from the installed
# paths on the installed data, and removes the package again. Fails at the first thing that is wrong.
#   scripts/package.sh            builds, checks, installs, runs and purges the package
#   scripts/package.sh --install  the same, and leaves the package installed
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
keep=no
[ "${1:-}" = "--install" ] && keep=yes
# The package's checkers, and dpkg-buildflags for Debian's hardening flags.
"$root/scripts/deps.sh" dpkg-dev lintian desktop-file-utils appstream man-db
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

dir=build-package
# Built as Debian builds its packages: dpkg-buildflags with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    "$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DOMENARY_TESTS=OFF -DOMENARY_BENCH=OFF
# An installation without a package points its menu entry into the prefix it was given.
prefix=$(mktemp -d)
(cd "$prefix" && cmake --install "$root/$dir" --prefix elsewhere > /dev/null)
grep -qx "Path=$prefix/elsewhere/share/omenary" "$prefix/elsewhere/share/applications/omenary.desktop" ||
    { echo "cmake --install --prefix: the menu entry does not start in $prefix/elsewhere/share/omenary" >&2; exit 1; }
rm -rf "$prefix"
(cd "$root/$dir" && rm -f omenary_*.deb && cpack -G DEB > /dev/null)
deb=$(ls "$root/$dir"/omenary_*.deb)
echo "== package: $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends

echo "== lintian, desktop-file-validate, appstreamcli"
# Informational tags are listed but do not fail the check; errors and warnings do. The ones left:
# arch-dep-package-has-big-usr-share (the calendar and pictures; they could go to a package of their
# own for all architectures), package-contains-documentation-outside-usr-share-doc (the notes and the
# calendar are data the program opens in its working folder) and binary-has-unneeded-section
# .comment (the compiler's version string, left by strip).
lintian --info --display-info --fail-on error,warning "$deb"
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/omenary.desktop"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
rm -rf "$unpacked"

echo "== install"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "$deb" > /dev/null
[ "$keep" = yes ] || trap 'DEBIAN_FRONTEND=noninteractive "${sudo[@]}" dpkg --purge omenary > /dev/null' EXIT
module=$(dpkg -L omenary | grep '/omenary/omenary-print.so$')
for file in /usr/bin/omenary /usr/bin/omenary-cli "$module" /usr/share/omenary/HOROSCOPE.INI \
    /usr/share/omenary/Calendar1.TXT /usr/share/omenary/logo.bmp /usr/share/applications/omenary.desktop \
    /usr/share/icons/hicolor/scalable/apps/omenary.svg /usr/share/icons/hicolor/48x48/apps/omenary.png \
    /usr/share/icons/hicolor/256x256/apps/omenary.png /usr/share/metainfo/invalid.omenary.Omenary.metainfo.xml \
    /usr/share/doc/omenary/copyright /usr/share/doc/omenary/changelog.gz; do
    [ -f "$file" ] || { echo "missing after install: $file" >&2; exit 1; }
done
grep -q '^Path=/usr/share/omenary$' /usr/share/applications/omenary.desktop
man -w omenary-cli > /dev/null
man -w omenary > /dev/null
echo "installed: programs, printing module ($module), data, menu entry (working directory /usr/share/omenary), icons, metadata, manual pages"

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
# The window closes on the time-out's SIGTERM as on its close box: Run=False, its working folder kept.
grep -q '^Run=False' "$work/home/.config/MorvitOmenary.ini"
grep -q '^Current=/usr/share/omenary$' "$work/home/.config/MorvitOmenary.ini"
echo "the window started in /usr/share/omenary and, told to end, closed recording Run=False"
rm -rf "$work"
echo "== remove"
[ "$keep" = yes ] && { echo "kept installed: $(basename "$deb")"; exit 0; }
trap - EXIT
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" dpkg --purge omenary > /dev/null
# Nothing the package brought stays behind.
for path in /usr/bin/omenary /usr/bin/omenary-cli /usr/share/omenary /usr/share/doc/omenary \
    /usr/share/applications/omenary.desktop "$(dirname "$module")"; do
    [ ! -e "$path" ] || { echo "left after purge: $path" >&2; exit 1; }
done
echo "purged: nothing left behind"
