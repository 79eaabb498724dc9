#!/usr/bin/env bash
# End-to-end print through the system print service: starts the CUPS scheduler when it
# is not running, adds a PDF queue, prints a tape label with "kestavolin-cli print" and
# checks that the PDF the queue produced has exactly the label's page size.
#   tests/e2e/cups-print.sh KESTAVOLIN-CLI PHOTOGRAPH
# Exits 77 (skipped) only when no scheduler is running and none can be started.
set -euo pipefail

cli=${1:?usage: cups-print.sh KESTAVOLIN-CLI PHOTOGRAPH}
photo=${2:?usage: cups-print.sh KESTAVOLIN-CLI PHOTOGRAPH}
queue=KestavolinPDF
wait_seconds=60

fail() { echo "cups-print: FAIL: $*" >&2; exit 1; }
scheduler_running() { lpstat -r 2>/dev/null | grep -q '^scheduler is running'; }

if ! scheduler_running; then
    if [[ $(id -u) -ne 0 ]] || ! command -v cupsd >/dev/null; then
        echo "cups-print: SKIP: no CUPS scheduler is running and this user cannot start one"
        exit 77
    fi
    cupsd
    for _ in $(seq 20); do scheduler_running && break; sleep 0.5; done
    scheduler_running || { echo "cups-print: SKIP: cupsd did not start"; exit 77; }
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
    ppd=$(lpinfo -m | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')
    [[ -n $ppd ]] || ppd=$(lpinfo -m | awk '/cups-pdf/ {print $1; exit}')
    [[ -n $ppd ]] || fail "no cups-pdf driver (install printer-driver-cups-pdf)"
    lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" 2>&1 | grep -v 'deprecated' || true
    lpstat -p "$queue" >/dev/null 2>&1 || fail "could not add the queue $queue"
fi

# cups-pdf writes to the folder named in its configuration, normally ~/PDF of the
# job's owner, or to its spool folder for anonymous jobs.
out_dirs=("$HOME/PDF" /var/spool/cups-pdf/ANONYMOUS "/var/spool/cups-pdf/$(id -un)")
if [[ -r /etc/cups/cups-pdf.conf ]]; then
    configured=$(awk '$1 == "Out" {print $2}' /etc/cups/cups-pdf.conf | tail -n 1)
    [[ -n $configured ]] && out_dirs+=("${configured//\$\{HOME\}/$HOME}")
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
touch "$scratch/start"
sleep 1

announced=$("$cli" print --printer "$queue" "$photo") || fail "kestavolin-cli print failed"
[[ $announced =~ ^([0-9]+)\ mm$ ]] || fail "unexpected announcement: '$announced'"
millimetres=${BASH_REMATCH[1]}

"$cli" render -o "$scratch/label.pdf" "$photo" >/dev/null \
    || fail "kestavolin-cli render failed"
expected=$(pdfinfo "$scratch/label.pdf" | awk '/^Page size:/ {print $3, $5}')

printed=
for _ in $(seq $((wait_seconds * 2))); do
    for dir in "${out_dirs[@]}"; do
        [[ -d $dir ]] || continue
        printed=$(find "$dir" -maxdepth 1 -name '*.pdf' -newer "$scratch/start" -print -quit)
        [[ -n $printed ]] && break 2
    done
    sleep 0.5
done
[[ -n $printed ]] || fail "no PDF from queue $queue within ${wait_seconds}s (looked in ${out_dirs[*]})"
sleep 1 # the file appears before cups-pdf has finished writing it

got=$(pdfinfo "$printed" | awk '/^Page size:/ {print $3, $5}')
pages=$(pdfinfo "$printed" | awk '/^Pages:/ {print $2}')
echo "cups-print: label $expected pt, announced $millimetres mm, printed $got pt on $pages page(s): $printed"
[[ $pages == 1 ]] || fail "expected one page, got $pages"

read -r want_w want_h <<<"$expected"
read -r got_w got_h <<<"$got"
# Widths and heights agree to the hundredth of a point; the announced length is the
# label width in whole millimetres.
awk -v gw="$got_w" -v gh="$got_h" -v ww="$want_w" -v wh="$want_h" -v mm="$millimetres" 'BEGIN {
    d1 = gw - ww; d2 = gh - wh
    if (d1 < 0) d1 = -d1
    if (d2 < 0) d2 = -d2
    if (d1 > 0.01 || d2 > 0.01) { print "cups-print: FAIL: page size differs from the label"; exit 1 }
    if (int(ww / 2.83464566929134) != mm) { print "cups-print: FAIL: announced length does not match the label"; exit 1 }
}' || exit 1
rm -f "$printed"
echo "cups-print: PASS"
