#!/usr/bin/env bash
# Printing through a real printer queue, end to end: starts the CUPS scheduler when it is not
# running, adds a PDF printer queue (CUPS-PDF) that writes into a temporary folder, lets the
# widget test CupsPrintTest choose that queue in the print window and print the list of persons,
# then waits for the printed PDF and reads its text back with pdftotext. The queue, its settings
# and a scheduler started here are removed again at the end.
#
# Usage: cups_print_test.sh <sarvo_gui_tests>
# Exit status 77 (skipped) when the scheduler cannot be started at all.
set -u

tests=${1:?usage: cups_print_test.sh <sarvo_gui_tests>}
queue="SarvoTest$$"
limit=90 # seconds to wait for the scheduler and for the printed file

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! sudo -n true 2>/dev/null; then
        echo "skipped: starting cups and adding a queue needs root (or sudo without a password)"
        exit 77
    fi
    as_root=(sudo -n)
fi

for tool in cupsd lpadmin lpstat pdftotext; do
    if ! command -v "$tool" >/dev/null 2>&1 && [ ! -x "/usr/sbin/$tool" ]; then
        echo "skipped: $tool is missing (scripts/install-deps.sh installs cups, cups-bsd," \
            "printer-driver-cups-pdf and poppler-utils)"
        exit 77
    fi
done
PATH="$PATH:/usr/sbin"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
if [ ! -x /usr/lib/cups/backend/cups-pdf ] || [ ! -f "$ppd" ]; then
    echo "skipped: the CUPS-PDF printer (printer-driver-cups-pdf) is not installed"
    exit 77
fi

out=$(mktemp -d)
chmod 755 "$out"
conf="/etc/cups/cups-pdf-$queue.conf"
started_pid=""

cleanup() {
    "${as_root[@]}" lpadmin -x "$queue" >/dev/null 2>&1
    "${as_root[@]}" rm -f "$conf" "/var/log/cups/cups-pdf-${queue}_log"
    if [ -n "$started_pid" ]; then
        "${as_root[@]}" kill "$started_pid" 2>/dev/null
        for _ in $(seq 1 50); do
            "${as_root[@]}" kill -0 "$started_pid" 2>/dev/null || break
            sleep 0.1
        done
    fi
    "${as_root[@]}" rm -rf "$out"
}
trap cleanup EXIT

scheduler_running() {
    [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]
}

# Polls `$@` once a second until it succeeds or the limit has passed.
wait_for() {
    local waited=0
    until "$@"; do
        if [ "$waited" -ge "$limit" ]; then
            return 1
        fi
        sleep 1
        waited=$((waited + 1))
    done
}

if ! scheduler_running; then
    "${as_root[@]}" cupsd -f >/dev/null 2>&1 &
    started_pid=$!
    if ! wait_for scheduler_running; then
        echo "skipped: the CUPS scheduler cannot be started"
        exit 77
    fi
fi

# A PDF printer of its own: its CUPS-PDF instance reads its settings from cups-pdf-<queue>.conf
# and writes into the temporary folder.
printf 'Out %s\nAnonDirName %s\n' "$out" "$out" | "${as_root[@]}" tee "$conf" >/dev/null
# The PDF reaches CUPS-PDF as PostScript; made by pdftocairo it keeps its text readable.
if ! "${as_root[@]}" lpadmin -p "$queue" -v "cups-pdf:/$queue" -P "$ppd" -E \
    -o pdftops-renderer-default=pdftocairo 2>/dev/null; then
    echo "FAIL: lpadmin could not add the queue $queue"
    exit 1
fi
echo "queue $queue added, printing into $out"

if ! SARVO_CUPS_QUEUE="$queue" QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 \
    timeout "$limit" "$tests" --gtest_filter='CupsPrintTest.*' >"$out/test.log" 2>&1; then
    cat "$out/test.log"
    echo "FAIL: the print window did not print on $queue"
    exit 1
fi
if grep -q SKIPPED "$out/test.log"; then
    cat "$out/test.log"
    echo "FAIL: the print test did not run"
    exit 1
fi

printed() {
    [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] &&
        compgen -G "$out/*.pdf" >/dev/null
}
if ! wait_for printed; then
    echo "FAIL: no printed PDF in $out after ${limit}s"
    lpstat -W all -o "$queue"
    exit 1
fi
pdf=$(ls "$out"/*.pdf | head -n 1)
text=$(pdftotext -layout "$pdf" - 2>/dev/null)
echo "printed: $(basename "$pdf")"
echo "$text" | sed '/^[[:space:]]*$/d'

status=0
check() {
    if ! echo "$text" | grep -q -- "$1"; then
        echo "FAIL: the printout has no line with '$1'"
        status=1
    fi
}
check "1/45"                 # the listing's title
check "1/46 .*1/49"          # its column heading
check "Ivanov Ivan .*1234"   # a person with a dosimeter
check "Petrov Petr .*---"    # a person without one
# The job's title names the file CUPS-PDF writes.
case "$(basename "$pdf")" in
Doc*) ;;
*)
    echo "FAIL: the job is not titled Doc"
    status=1
    ;;
esac
exit $status
