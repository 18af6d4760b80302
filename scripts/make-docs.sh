#!/usr/bin/env bash
# Makes every picture in docs/ from the program itself: the pages from omenary-cli, the window and its
# page preview from the desktop program under Xvfb with a window manager, on a fixed date.
#   scripts/make-docs.sh          writes the pictures into docs/
#   scripts/make-docs.sh --check  fails when a picture in docs/ differs from what the program makes now
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check=no
[ "${1:-}" = "--check" ] && check=yes
"$root/scripts/deps.sh" openbox xdotool imagemagick faketime
"$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release > /dev/null
cli="$root/build/cli/omenary-cli"
data="$root/data"
out=$(mktemp -d /tmp/omenary-docs.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    rm -rf "$out"
}
trap cleanup EXIT

# The pages at 150 dots per inch, as the README's commands make them.
page() { QT_QPA_PLATFORM=offscreen "$cli" "$@" --data "$data" > /dev/null; }
page general --back 140 --person1 1 --person2 6 --year 2548 --today 2005-03-15 --png "$out/general-filled.png"
page marriage --groom 2517 --bride 2520 --groom-father 1 --groom-mother 4 --bride-father 5 --today 2004-07-10 \
    --png "$out/marriage-filled.png"
page page general --png "$out/general-page.png"
placement=1
for options in "" "--center" "--landscape" "--landscape --center"; do
    # shellcheck disable=SC2086
    page coin --stem 3 --branch 7 --start 2547-01-05 --today 2004-01-05 $options --png "$out/envelope-$placement.png"
    placement=$((placement + 1))
done

# The second envelope of the README's example list, with its recipient's name.
page coin --list "$root/docs/examples/givers.csv" --start 2547-01-05 --today 2004-01-05 --png "$out/list"
mv "$out/list/envelope-0002.png" "$out/envelope-named.png"
rm -r "$out/list"

# The window on a display of its own, started on 10 December 2026 with fresh settings.
display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp 2> /dev/null &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.1; done
openbox > /dev/null 2>&1 &
pids+=($!)
sleep 1
mkdir -p "$out/config" && chmod 700 "$out"
# The clock starts at that moment and runs on; Qt's timers keep the real monotonic clock.
(cd "$data" && XDG_CONFIG_HOME="$out/config" XDG_RUNTIME_DIR="$out" QT_QPA_PLATFORM=xcb \
    LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="@2026-12-10 09:00:00" \
    FAKETIME_DONT_FAKE_MONOTONIC=1 exec "$root/build/app/omenary" > /dev/null 2>&1) &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name '^MORVIT - Omenary [0-9.]+$' | head -1)
sleep 1
# A click at a point of the window, as a user's mouse does; a shot of the window without its frame.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.6; }
typein() { xdotool type --delay 60 "$1"; sleep 0.3; }
shot() { xdotool mousemove 1000 760; sleep 0.3; import -window "$2" "png:$out/$1"; }

shot window-tab1.png "$window"
# The general page for the README's example, in the page preview.
click 107 130 && typein 140 && xdotool key Tab && sleep 0.3
click 147 338
preview=$(xdotool search --sync --onlyvisible --name 'Page Preview' | head -1)
sleep 1.5
shot general-preview.png "$preview"
xdotool key Escape
sleep 1
click 100 15
shot window-marriage.png "$window"
# The coin tab with the pair 3 / 7 chosen.
click 180 15
click 64 47
click 153 85
sleep 1
shot window-coin.png "$window"
click 229 15
shot window-extra.png "$window"

status=0
for made in "$out"/*.png; do
    name=$(basename "$made")
    if [ "$check" = yes ]; then
        differ=$(compare -metric AE "$made" "$root/docs/$name" null: 2>&1 || true)
        if [ "$differ" != 0 ]; then
            echo "docs/$name differs from what the program makes now ($differ pixels)" >&2
            status=1
        fi
    else
        # Without time stamps, so the same picture gives the same file.
        convert "$made" -define png:exclude-chunks=date,time "$root/docs/$name"
    fi
done
[ "$check" = yes ] && [ "$status" = 0 ] && echo "every picture in docs/ is what the program makes now"
[ "$check" = no ] && echo "docs/ made anew: $(ls "$out" | grep -c png) pictures"
exit "$status"
