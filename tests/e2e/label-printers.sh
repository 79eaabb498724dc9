#!/usr/bin/env bash
# End-to-end printing through Linux's label-printer drivers: a private scheduler with
# file:// queues on the P-touch tape and roll drivers' PPDs, "kestavolin-cli print" of
# the photograph's labels and of a caption sheet, the application's Print All of the
# same sheet (its test in APP-TESTS), and each printer stream the drivers wrote decoded
# and compared with the label rendered at the driver's resolution.
#   tests/e2e/label-printers.sh KESTAVOLIN-CLI APP-TESTS PRINTER-STREAM-CHECK PHOTOGRAPH
# Exits 77 (skipped) when no scheduler can be started here.
set -euo pipefail

usage="usage: label-printers.sh KESTAVOLIN-CLI APP-TESTS PRINTER-STREAM-CHECK PHOTOGRAPH"
cli=${1:?$usage}
app_tests=${2:?$usage}
check=${3:?$usage}
photo=${4:?$usage}
here=$(cd "$(dirname "$0")" && pwd)
failures=0

fail() { echo "label-printers: FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "label-printers: ok: $*"; }

[[ $(id -u) -eq 0 ]] || { echo "label-printers: SKIP: the scheduler's filters run as lp, which needs root"; exit 77; }
for driver in ptouch; do
    [[ -x /usr/lib/cups/driver/$driver ]] || { echo "label-printers: SKIP: printer-driver-$driver is not installed"; exit 77; }
done

source "$here/private-cups.sh"
private_cups_start
out=$private_cups_root/out
work=$private_cups_root/work
mkdir -p "$work"

pt_model=ptouch:0/ppd/ptouch-driver/Brother-PT-P700-ptouch-pt.ppd
private_cups_add_queue PT "$pt_model" "$out/pt.bin"
private_cups_add_queue PT2430 ptouch:0/ppd/ptouch-driver/Brother-PT-2430PC-ptouch-pt.ppd "$out/pt2430.bin"
private_cups_add_queue QL ptouch:0/ppd/ptouch-driver/Brother-QL-570-ptouch-ql.ppd "$out/ql.bin"
# A tape driver that takes only its fixed 100 mm page: longer labels cannot go.
/usr/lib/cups/driver/ptouch cat "$pt_model" | awk '
    /^\*(VariablePaperSize|NonUIOrderDependency.*CustomPageSize|ParamCustomPageSize)/ { next }
    /^\*CustomPageSize/ { skipping = 1 }
    skipping { if ($0 == "*End") skipping = 0; next }
    { print }' >"$work/fixed-length.ppd"
private_cups_add_queue FIXED "$work/fixed-length.ppd" "$out/fixed.bin"

# print_label QUEUE STREAM LABEL-OPTIONS...: prints, keeps what print wrote in $printed
# and the stream in $work/QUEUE-N.bin.
run=0
print_label() {
    local queue=$1 stream=$2
    shift 2
    run=$((run + 1))
    rm -f "$stream"
    if ! printed=$("$cli" print --printer "$queue" "$@" "$photo" 2>"$work/stderr"); then
        fail "print on $queue exited $?: $(cat "$work/stderr")"
        return 1
    fi
    [[ -s $stream ]] || { fail "queue $queue wrote nothing"; return 1; }
    cp "$stream" "$work/$queue-$run.bin"
}

# check_label NAME QUEUE STREAM DPI CHECK-OPTIONS -- LABEL-OPTIONS... [-- PRINT-OPTIONS...]
check_label() {
    local name=$1 queue=$2 stream=$3 dpi=$4
    shift 4
    local checks=() label=()
    while [[ $1 != -- ]]; do checks+=("$1"); shift; done
    shift
    while (($#)) && [[ $1 != -- ]]; do label+=("$1"); shift; done
    (($#)) && shift
    print_label "$queue" "$stream" "${label[@]}" "$@" || return 0
    "$cli" render --dpi "$dpi" "${label[@]}" "$photo" -o "$work/$name.png" >/dev/null
    if "$check" "$stream" "$work/$name.png" --dpi "$dpi" "${checks[@]}" \
        --decoded "$work/$name-printed.png"; then
        pass "$name: $(echo "$printed" | tr '\n' ' ')"
    else
        fail "$name"
    fi
}

long_title="Morning light over the harbour, the fishing boats coming home with the tide and the gulls behind them at dusk"

check_label tape-short PT "$out/pt.bin" 180 --width-mm 18 --band 8-119 --turned --
check_label tape-long PT "$out/pt.bin" 180 --width-mm 18 --band 8-119 --turned -- \
    --title "$long_title"
(( ${printed%% mm*} > 300 )) || fail "the long label is only ${printed%% mm*} mm"
# This older model's stream carries no media information.
check_label tape-2430 PT2430 "$out/pt2430.bin" 180 --width-mm 0 --band 8-119 --turned --
check_label roll QL "$out/ql.bin" 300 --width-mm 62 --band 5-701 --upright --scale 0.9845 -- \
    --medium "Roll 60"
[[ $printed == *"printed at 98%"* ]] || fail "the shrunk roll label was not announced: $printed"

# Three labels with three titles as one job: three pages, each as long as its own label
# and with its own title's ink; the tape lengths are told with their total.
absolute_photo=$(realpath "$photo")
# The sheet names the photographer, so that the application (whatever its settings)
# and the CLI make the same labels.
printf 'file,title,photographer\n"%s",Dawn,Kim Lee\n"%s","%s",Kim Lee\n"%s",Harbour at noon,Kim Lee\n' \
    "$absolute_photo" "$absolute_photo" "$long_title" "$absolute_photo" >"$work/sheet.csv"
"$cli" render --dpi 180 --captions "$work/sheet.csv" -o "$work/sheet.png" >/dev/null
sheet_check=("$work"/sheet-{1,2,3}.png --dpi 180 --width-mm 18 --band 8-119 --turned --pages 3)
rm -f "$out/pt.bin"
if ! printed=$("$cli" print --printer PT --captions "$work/sheet.csv" 2>"$work/stderr"); then
    fail "print of a caption sheet failed: $(cat "$work/stderr")"
else
    lengths=$(grep -o '[0-9]* mm$' <<<"$printed" | grep -o '^[0-9]*' | tr '\n' ' ')
    read -r first second third total <<<"$lengths"
    if ! "$check" "$out/pt.bin" "${sheet_check[@]}"; then
        fail "three labels in one job"
    elif [[ -z $total ]] || ((first + second + third != total)) || [[ $printed != *"completed"* ]]; then
        fail "three labels in one job were told as: $printed"
    else
        pass "three labels in one job: $(echo "$printed" | tr '\n' ' ')"
    fi
fi
# The application imports the same sheet and prints all: one job the queue completed,
# decoded and compared alike.
rm -f "$out/pt.bin"
if ! private_cups_app_print_all "$app_tests" PT "$work/sheet.csv"; then
    fail "the application's Print All: $(tail -n 30 "$work/sheet.csv.app.log")"
elif ! "$check" "$out/pt.bin" "${sheet_check[@]}"; then
    fail "the application's Print All: three labels in one job"
else
    pass "the application's Print All: three labels in one job, each of its own title"
fi

# The Dymo LabelManager's 19 mm tape: the label shrinks to the tape's printable band and
# the driver takes the page without truncating it.
if [[ -x /usr/lib/cups/driver/dymo ]]; then
    private_cups_add_queue LM dymo:0/cups/model/lm450.ppd "$out/lm.bin"
    if print_label LM "$out/lm.bin"; then
        if grep -q 'greater max page width' "$private_cups_root/log/error_log"; then
            fail "the LabelManager driver truncated the page"
        else
            pass "LabelManager tape: $(echo "$printed" | tr '\n' ' ')"
        fi
    fi
fi

# The printer's own options reach the job: two copies, no cutting.
check_label options PT "$out/pt.bin" 180 --width-mm 18 --band 8-119 --turned --pages 2 -- -- \
    --copies 2 -o AutoCut=False
if python3 - "$work/PT-$run.bin" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
# ESC i M carries the auto-cut bit (0x40).
i = data.find(b"\x1biM")
sys.exit(0 if i >= 0 and not data[i + 3] & 0x40 else 1)
PY
then pass "AutoCut=False reached the driver"; else fail "AutoCut=False did not reach the driver"; fi

# Failures are told: a stopped queue, a label longer than the medium takes.
cupsdisable PT
if "$cli" print --printer PT "$photo" >/dev/null 2>"$work/stderr"; then
    fail "print on a stopped queue reported success"
else
    pass "stopped queue: $(cat "$work/stderr")"
fi
cupsenable PT
if "$cli" print --printer FIXED "$photo" >/dev/null 2>"$work/stderr"; then
    fail "a label longer than the medium reported success"
else
    pass "too long: $(cat "$work/stderr")"
fi
# A job the queue holds is not a printed label: told when the wait runs out, and when
# someone cancels it meanwhile.
if "$cli" print --printer PT -o job-hold-until=indefinite --wait-timeout 2 "$photo" \
    >/dev/null 2>"$work/stderr"; then
    fail "a job still held in the queue reported success"
else
    pass "held job: $(cat "$work/stderr")"
fi
cancel -a PT
"$cli" print --printer PT -o job-hold-until=indefinite "$photo" >/dev/null 2>"$work/stderr" &
printing=$!
sleep 2
cancel -a PT
if wait "$printing"; then
    fail "a cancelled job reported success"
elif grep -q cancelled "$work/stderr"; then
    pass "cancelled job: $(cat "$work/stderr")"
else
    fail "a cancelled job was told as: $(cat "$work/stderr")"
fi
if "$cli" print --printer NoSuchQueue "$photo" >/dev/null 2>"$work/stderr"; then
    fail "print on a missing queue reported success"
else
    pass "missing queue: $(cat "$work/stderr")"
fi

if [[ -n ${LABEL_PRINTERS_KEEP:-} ]]; then
    mkdir -p "$LABEL_PRINTERS_KEEP" && cp "$work"/*.png "$LABEL_PRINTERS_KEEP"/
fi
if ((failures)); then
    echo "label-printers: $failures check(s) failed"
    tail -n 30 "$private_cups_root/log/error_log" | grep -v '^D' || true
    exit 1
fi
echo "label-printers: PASS"
