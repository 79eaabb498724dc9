#!/usr/bin/env bash
# End-to-end print into a PDF queue of a private scheduler: prints a tape label with
# "kestavolin-cli print" and checks that the PDF the queue produced has exactly the
# label's page size, then a caption sheet of three labels as one job of three pages,
# each of its own label's size. The machine's own scheduler is not touched.
#   tests/e2e/cups-print.sh KESTAVOLIN-CLI PHOTOGRAPH
# Exits 77 (skipped) when no scheduler can be started here.
set -euo pipefail

cli=${1:?usage: cups-print.sh KESTAVOLIN-CLI PHOTOGRAPH}
photo=${2:?usage: cups-print.sh KESTAVOLIN-CLI PHOTOGRAPH}
here=$(cd "$(dirname "$0")" && pwd)

fail() { echo "cups-print: FAIL: $*" >&2; exit 1; }

[[ $(id -u) -eq 0 ]] || { echo "cups-print: SKIP: the PDF queue's backend runs as root"; exit 77; }
[[ -x /usr/lib/cups/backend/cups-pdf ]] || { echo "cups-print: SKIP: printer-driver-cups-pdf is not installed"; exit 77; }

source "$here/private-cups.sh"
private_cups_start
# The PDF backend writes where the machine's cups-pdf configuration says, normally
# ~/PDF of the job's owner, or its spool folder for anonymous jobs.
out_dirs=("$HOME/PDF" /var/spool/cups-pdf/ANONYMOUS "/var/spool/cups-pdf/$(id -un)")
if [[ -r /etc/cups/cups-pdf.conf ]]; then
    configured=$(awk '$1 == "Out" {print $2}' /etc/cups/cups-pdf.conf | tail -n 1)
    [[ -n $configured ]] && out_dirs+=("${configured//\$\{HOME\}/$HOME}")
fi
touch "$private_cups_root/start"
sleep 1
ppd=$(lpinfo -m | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')
[[ -n $ppd ]] || ppd=$(lpinfo -m | awk '/cups-pdf/ {print $1; exit}')
[[ -n $ppd ]] || fail "no cups-pdf driver (install printer-driver-cups-pdf)"
lpadmin -p PDF -E -v cups-pdf:/ -m "$ppd" 2>&1 | grep -v deprecated || true

output=$("$cli" print --printer PDF "$photo") || fail "kestavolin-cli print failed"
announced=$(head -n 1 <<<"$output")
[[ $announced =~ ^([0-9]+)\ mm$ ]] || fail "unexpected announcement: '$announced'"
millimetres=${BASH_REMATCH[1]}
grep -q '^job [0-9]* completed$' <<<"$output" || fail "the job was not reported completed: $output"

scratch=$private_cups_root/work
mkdir -p "$scratch"
"$cli" render -o "$scratch/label.pdf" "$photo" >/dev/null || fail "kestavolin-cli render failed"
expected=$(pdfinfo "$scratch/label.pdf" | awk '/^Page size:/ {print $3, $5}')

# print returns once the queue has completed the job, so the file is whole.
printed=
for dir in "${out_dirs[@]}"; do
    [[ -d $dir ]] || continue
    printed=$(find "$dir" -maxdepth 1 -name '*.pdf' -newer "$private_cups_root/start" -print -quit)
    [[ -n $printed ]] && break
done
[[ -n $printed ]] || fail "the PDF queue wrote no file (looked in ${out_dirs[*]})"
trap 'rm -f "$printed"; private_cups_stop' EXIT
got=$(pdfinfo "$printed" | awk '/^Page size:/ {print $3, $5}')
pages=$(pdfinfo "$printed" | awk '/^Pages:/ {print $2}')
echo "cups-print: label $expected pt, announced $millimetres mm, printed $got pt on $pages page(s)"
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

# page_sizes PDF: "WIDTH HEIGHT" of each page, one a line.
page_sizes() { pdfinfo -f 1 -l 1000 "$1" | awk '/^Page +[0-9]+ size:/ {print $4, $6}'; }
printf 'file,title\n"%s",Dawn\n"%s",Morning light over the harbour and the boats\n"%s",Noon\n' \
    "$(realpath "$photo")" "$(realpath "$photo")" "$(realpath "$photo")" >"$scratch/sheet.csv"
touch "$scratch/sheet-start"
sleep 1
"$cli" print --printer PDF --captions "$scratch/sheet.csv" >/dev/null ||
    fail "kestavolin-cli print of a caption sheet failed"
"$cli" render --captions "$scratch/sheet.csv" -o "$scratch/sheet.pdf" >/dev/null ||
    fail "kestavolin-cli render of a caption sheet failed"
sheet=$(find "$(dirname "$printed")" -maxdepth 1 -name '*.pdf' -newer "$scratch/sheet-start" -print -quit)
[[ -n $sheet ]] || fail "the PDF queue wrote no file for the caption sheet"
trap 'rm -f "$printed" "$sheet"; private_cups_stop' EXIT
echo "cups-print: sheet labels $(page_sizes "$scratch/sheet.pdf" | tr '\n' ' ')pt," \
    "printed $(page_sizes "$sheet" | tr '\n' ' ')pt"
# Pages of different sizes in one job come out of the filters in whole points.
paste <(page_sizes "$scratch/sheet.pdf") <(page_sizes "$sheet") | awk '
    { pages++; d1 = $3 - $1; d2 = $4 - $2
      if (NF != 4 || d1 < -0.01 || d1 >= 1 || d2 < -0.01 || d2 >= 1) bad = 1 }
    END { if (pages != 3 || bad) { print "cups-print: FAIL: the sheet job is not one page per label of its size"; exit 1 } }' ||
    exit 1
echo "cups-print: PASS"
