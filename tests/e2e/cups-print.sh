#!/usr/bin/env bash
# End-to-end print into a PDF queue of a private scheduler: prints a tape label with
# "kestavolin-cli print" and checks that the PDF the queue produced has exactly the
# label's page size, then a caption sheet of three labels as one job of three pages,
# each of its own label's size; then the application imports the same sheet and
# prints all (its test in APP-TESTS), and its job is checked alike, page by page
# against the labels. The machine's own scheduler is not touched.
#   tests/e2e/cups-print.sh KESTAVOLIN-CLI APP-TESTS PHOTOGRAPH
# Exits 77 (skipped) when no scheduler can be started here.
set -euo pipefail

usage="usage: cups-print.sh KESTAVOLIN-CLI APP-TESTS PHOTOGRAPH"
cli=${1:?$usage}
app_tests=${2:?$usage}
photo=${3:?$usage}
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
# label width rounded up to whole millimetres (a thousandth of a millimetre past a
# whole one is the rounding of the label's 32-bit length).
awk -v gw="$got_w" -v gh="$got_h" -v ww="$want_w" -v wh="$want_h" -v mm="$millimetres" 'BEGIN {
    d1 = gw - ww; d2 = gh - wh
    if (d1 < 0) d1 = -d1
    if (d2 < 0) d2 = -d2
    if (d1 > 0.01 || d2 > 0.01) { print "cups-print: FAIL: page size differs from the label"; exit 1 }
    exact = ww / 2.83464566929134 - 0.001; whole = int(exact); if (whole < exact) whole++
    if (whole != mm) { print "cups-print: FAIL: announced length does not match the label"; exit 1 }
}' || exit 1

# page_sizes PDF: "WIDTH HEIGHT" of each page, one a line.
page_sizes() { pdfinfo -f 1 -l 1000 "$1" | awk '/^Page +[0-9]+ size:/ {print $4, $6}'; }
# check_sheet_pages LABELS.pdf PRINTED.pdf WHAT: three pages, each of its label's size.
check_sheet_pages() {
    echo "cups-print: $3: labels $(page_sizes "$1" | tr '\n' ' ')pt," \
        "printed $(page_sizes "$2" | tr '\n' ' ')pt"
    # Pages of different sizes in one job come out of the filters in whole points.
    paste <(page_sizes "$1") <(page_sizes "$2") | awk -v what="$3" '
        { pages++; d1 = $3 - $1; d2 = $4 - $2
          if (NF != 4 || d1 < -0.01 || d1 >= 1 || d2 < -0.01 || d2 >= 1) bad = 1 }
        END { if (pages != 3 || bad) { print "cups-print: FAIL: " what " is not one page per label of its size"; exit 1 } }' ||
        exit 1
}
# The sheet names the photographer, so that the application (whatever its settings)
# and the CLI make the same labels.
printf 'file,title,photographer\n"%s",Dawn,Kim Lee\n"%s",Morning light over the harbour and the boats,Kim Lee\n"%s",Noon,Kim Lee\n' \
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
check_sheet_pages "$scratch/sheet.pdf" "$sheet" "the CLI's sheet job"
echo "cups-print: ok: the CLI's label and caption sheet"

# The application's Print All of the same sheet: one job the queue completed, three
# pages of their labels' sizes.
touch "$scratch/app-start"
sleep 1
private_cups_app_print_all "$app_tests" PDF "$scratch/sheet.csv" ||
    fail "the application's Print All: $(tail -n 30 "$scratch/sheet.csv.app.log")"
app_sheet=$(find "$(dirname "$printed")" -maxdepth 1 -name '*.pdf' -newer "$scratch/app-start" -print -quit)
[[ -n $app_sheet ]] || fail "the PDF queue wrote no file for the application's Print All"
trap 'rm -f "$printed" "$sheet" "$app_sheet"; private_cups_stop' EXIT
check_sheet_pages "$scratch/sheet.pdf" "$app_sheet" "the application's Print All job"
# Each page carries its own title and no other: read from the document the application
# sent, as the queue's PDF has been through PostScript and keeps no text.
job=$(lpstat -W completed -o PDF | awk '{sub(/.*-/, "", $1); print $1}' | sort -n | tail -n 1)
sent=$(printf '%s/spool/d%05d-001' "$private_cups_root" "$job")
mapfile -t titles < <(tail -n +2 "$scratch/sheet.csv" | sed -e 's/^"[^"]*",//' -e 's/,[^,]*$//')
for page in 1 2 3; do
    text=$(pdftotext -f "$page" -l "$page" "$sent" - | tr -s '[:space:]' ' ')
    for row in 1 2 3; do
        holds=0
        [[ $text == *"${titles[row - 1]}"* ]] && holds=1
        ((holds == (row == page))) || fail "page $page of the application's job reads: $text"
    done
done
# And each page the queue wrote looks most like its own label of those of its size.
pdftoppm -r 100 -gray "$app_sheet" "$scratch/printed" 2>/dev/null
pdftoppm -r 100 -gray "$scratch/sheet.pdf" "$scratch/label"
nearest=$(python3 - "$scratch" <<'PY'
import glob, re, sys

def grey(path):
    data = open(path, "rb").read()
    header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+\d+\s", data)
    return int(header[1]), int(header[2]), data[header.end():]

def difference(a, b):
    (aw, ah, ap), (bw, bh, bp) = a, b
    if abs(aw - bw) > 2 or abs(ah - bh) > 2:
        return float("inf")
    w, h = min(aw, bw), min(ah, bh)
    return sum(abs(ap[y * aw + x] - bp[y * bw + x]) for y in range(h) for x in range(w)) / (w * h)

printed = [grey(p) for p in sorted(glob.glob(sys.argv[1] + "/printed-*.pgm"))]
labels = [grey(p) for p in sorted(glob.glob(sys.argv[1] + "/label-*.pgm"))]
print(*(min(range(len(labels)), key=lambda i: difference(page, labels[i])) + 1 for page in printed))
PY
)
[[ $nearest == "1 2 3" ]] || fail "the application's printed pages look like labels $nearest, not 1 2 3"
echo "cups-print: ok: the application's Print All of the sheet (job $job, pages of their own titles)"
echo "cups-print: PASS"
