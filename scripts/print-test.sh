#!/usr/bin/env bash
# Prints one page of each omenary through the system's print queue, as a practitioner's desk does,
# and checks what arrives. A private CUPS scheduler (its own folder and socket, nothing of the
# machine's printing touched) serves a PDF printer (cups-pdf) as the default printer. Each PDF that
# arrives must be one A4 page and look like the page the program draws itself: the two pages at 30
# dots per inch differ by less than 5 grey levels on average (a different page differs by far more).
# The document the queue received, kept in the spool, holds the page's text. That is Qt's printer
# output: its Thai reads through the fonts' own maps, which drop shifted tone marks, so the words
# checked have none; the program's own PDFs (--pdf) carry every caption whole.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" cups printer-driver-cups-pdf
"$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release > /dev/null
cli="$root/build/cli/omenary-cli"
[ "$(id -u)" -eq 0 ] || { echo "print-test.sh starts a scheduler and a PDF backend: run it as root" >&2; exit 1; }

spool=$(mktemp -d /tmp/omenary-cups.XXXXXX)
chmod 755 "$spool"
instance="omenary-$$"
pdfconf="/etc/cups/cups-pdf-$instance.conf"
cleanup() {
    if [ -f "$spool/cupsd.pid" ]; then
        kill "$(cat "$spool/cupsd.pid")" 2> /dev/null || true
        wait "$(cat "$spool/cupsd.pid")" 2> /dev/null || true
    fi
    rm -f "$pdfconf"
    rm -rf "$spool"
}
trap cleanup EXIT
mkdir -p "$spool"/{root,state,cache,requests/tmp,log,out,own}
cp -r /etc/cups/. "$spool/root/"
rm -f "$spool/root/printers.conf" "$spool/root/classes.conf"
cat > "$spool/cupsd.conf" << CONF
Listen $spool/cups.sock
LogLevel warn
WebInterface No
# Each job's document stays in the spool as it was sent: the PDF backend passes the page through
# PostScript, which keeps its look but not its text.
PreserveJobFiles Yes
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat > "$spool/cups-files.conf" << CONF
ServerRoot $spool/root
StateDir $spool/state
CacheDir $spool/cache
RequestRoot $spool/requests
TempDir $spool/requests/tmp
# The program's own queue test adds a queue that prints into /dev/null.
FileDevice Yes
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $spool/log/access_log
ErrorLog $spool/log/error_log
PageLog $spool/log/page_log
Sandboxing Relaxed
CONF
# This instance of the PDF backend writes into the private folder only.
printf 'Out %s/out\nAnonDirName %s/out\nGrp root\n' "$spool" "$spool" > "$pdfconf"

/usr/sbin/cupsd -f -c "$spool/cupsd.conf" -s "$spool/cups-files.conf" 2> "$spool/log/cupsd" &
echo $! > "$spool/cupsd.pid"
export CUPS_SERVER="$spool/cups.sock"
for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
lpadmin -p omenary-pdf -E -v "cups-pdf:/$instance" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2> /dev/null
lpadmin -d omenary-pdf
echo "== private scheduler: $(lpstat -d)"

# Waits for the queue to be empty, then for the file to stand whole.
settle() {
    for _ in $(seq 200); do
        [ -z "$(lpstat -o 2> /dev/null)" ] && [ -n "$(ls -A "$1")" ] && return 0
        sleep 0.1
    done
    echo "no job arrived in $1" >&2
    exit 1
}

# Mean grey difference of two one-page PDFs at 30 dots per inch.
difference() {
    pdftoppm -r 30 -gray "$1" "$spool/a" 2> /dev/null
    pdftoppm -r 30 -gray "$2" "$spool/b" 2> /dev/null
    local size
    size=$(stat -c %s "$spool/a-1.pgm")
    # cmp says 1 when the pages differ at all, which they may.
    { cmp -l "$spool/a-1.pgm" "$spool/b-1.pgm" || true; } | awk -v n="$size" \
        'function octal(t,  v, i) {for (i = 1; i <= length(t); i++) v = v * 8 + substr(t, i, 1); return v}
         {a = octal($2); b = octal($3); s += a > b ? a - b : b - a} END {printf "%.1f", s / n}'
}

check() {
    local name=$1
    shift
    rm -f "$spool"/out/*
    "$cli" "$@" --pdf "$spool/own/$name.pdf" --print > /dev/null # the default printer
    settle "$spool/out"
    local pdf pages size differs
    pdf=$(ls "$spool"/out/*.pdf)
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    size=$(pdfinfo "$pdf" | sed -n 's/^Page size: *\(.*\)$/\1/p')
    differs=$(difference "$pdf" "$spool/own/$name.pdf")
    echo "$name: $pages page, $size, differs from the program's own page by $differs grey levels"
    [ "$pages" = 1 ] && [[ "$size" == *"(A4)"* ]] && awk "BEGIN {exit !($differs < 5)}"
    # The document the queue received carries the page's words.
    pdftotext "$(ls -t "$spool"/requests/d*-001 | head -1)" - | tr -s ' \n' '  ' > "$spool/words"
    for expected in "${texts[@]}"; do
        grep -qF -- "$expected" "$spool/words" || { echo "$name: \"$expected\" is not in the printed text" >&2; exit 1; }
    done
    echo "$name: the queue received a PDF whose text holds: ${texts[*]}"
}

texts=("MORVIT - Omenary" "15/03/2548" "ทิศประธาน")
check general general --back 140 --person1 1 --year 2548 --today 2005-03-15 --data "$root/data"
texts=("10/07/2547" "เดือนโชค")
check marriage marriage --groom 2517 --bride 2520 --today 2004-07-10 --data "$root/data"
texts=("มกราคม 2547 11:30-12:30")
check coin coin --stem 3 --branch 7 --start 2547-01-05 --today 2004-01-05 --data "$root/data"

set +e
"$cli" general --back 140 --person1 1 --year 2548 --today 2005-03-15 --data "$root/data" --print nosuch \
    > /dev/null 2> "$spool/err"
status=$?
set -e
echo "unknown printer: status $status, $(cat "$spool/err")"
[ "$status" = 1 ]
# A queue that refuses jobs: every omenary fails and says so, on the named and on the default printer.
cupsreject -r "held for the test" omenary-pdf
for command in "general --back 140 --person1 1 --year 2548" "marriage --groom 2517 --bride 2520" \
    "coin --stem 3 --branch 7 --start 2547-01-05"; do
    for printer in "" omenary-pdf; do
        set +e
        # shellcheck disable=SC2086
        "$cli" $command --today 2005-03-15 --data "$root/data" --print $printer > /dev/null 2> "$spool/err"
        status=$?
        set -e
        [ "$status" = 1 ] && grep -q "refused the page" "$spool/err" ||
            { echo "${command%% *} on a refusing queue: status $status, $(cat "$spool/err")" >&2; exit 1; }
    done
done
echo "refusing queue: status 1 for every omenary, $(cat "$spool/err")"
cupsaccept omenary-pdf
# The window's single page and list on a refusing queue: the program's own queue test, which skips
# where no scheduler runs, here where one does.
QT_QPA_PLATFORM=offscreen "$root/build/tests/qt/report/test_qt_report" \
    --gtest_filter=Printing.AQueueThatRefusesTheJobIsReported > "$spool/gtest" 2>&1 || true
grep -q "\[  PASSED  \] 1 test" "$spool/gtest" || { cat "$spool/gtest" >&2; exit 1; }
echo "window prints on a refusing queue: reported"
# The pages differ from each other: the comparison above can fail.
echo "general against marriage: $(difference "$spool/own/general.pdf" "$spool/own/marriage.pdf") grey levels"
echo "== all printed"
