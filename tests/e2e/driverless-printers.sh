#!/usr/bin/env bash
# End-to-end printing on driverless label printers: a private scheduler and a printer
# application of the test's own (lprint, tests/e2e/private-lprint.sh) whose Dymo
# LabelWriter 450 sends its stream to a listener of the test's own, and a driverless
# ("everywhere") queue made from the printer's own IPP attributes.
#   - both media printed with "kestavolin-cli print" and the application's Print All,
#     and straight to the printer's ipp:// URI; each LabelWriter stream decoded and
#     compared with the label rendered at the printer's resolution
#   - labels the loaded roll is too narrow for refused before anything reaches the printer
#   - what keeps the printer from printing told while a job is followed
#   - the window's tests on a print service that changes under it: the scheduler
#     restarted and the queue deleted while a job is followed, and the first start
#   tests/e2e/driverless-printers.sh KESTAVOLIN-CLI APP-TESTS PRINTER-STREAM-CHECK PHOTOGRAPH
# Exits 77 (skipped) when no scheduler can be started here.
set -euo pipefail

usage="usage: driverless-printers.sh KESTAVOLIN-CLI APP-TESTS PRINTER-STREAM-CHECK PHOTOGRAPH"
cli=${1:?$usage}
app_tests=${2:?$usage}
check=${3:?$usage}
photo=${4:?$usage}
here=$(cd "$(dirname "$0")" && pwd)
failures=0

fail() { echo "driverless-printers: FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "driverless-printers: ok: $*"; }

[[ $(id -u) -eq 0 ]] || { echo "driverless-printers: SKIP: the printer application runs as lp, which needs root"; exit 77; }

source "$here/private-cups.sh"
source "$here/private-lprint.sh"
private_cups_start
private_lprint_start || exit 1
work=$private_cups_root/work
mkdir -p "$work"

# The LabelWriter 450 at 300 dpi. Its driver sends each raster line without its first
# byte (page dots 8 on) and leaves out 5.25 mm (62 lines) at each end of the page; its
# media have 1 mm margins at the sides. The printable band across, in the decoded dots:
# on the 54 mm continuous roll (637 dots) 4-617, on 2.3125 in labels (693 dots) 4-674.
dpi=300
end_margin=62
roll54=oe_continuous-label_2.125x3600in
shipping=oe_shipping-label_2.3125x4in
lw_check=(--dpi "$dpi" --width-mm 0 --format labelwriter --end-margin-dots "$end_margin")
private_lprint_add LW450 dymo_lw-450
private_lprint_load LW450 "$roll54"
printer_uri=ipp://localhost:$private_lprint_port/ipp/print/LW450
lpadmin -p LW -E -v "$printer_uri" -m everywhere
lpadmin -d LW

# received COUNT-BEFORE: the streams the printer received since, as one file in $stream.
stream=$work/stream.bin
received_since() {
    local before=$1 files
    mapfile -t files < <(private_lprint_received LW450)
    files=("${files[@]:$before}")
    : >"$stream"
    ((${#files[@]} == 0)) || cat "${files[@]}" >"$stream"
    echo "${#files[@]}"
}
count() { private_lprint_received LW450 | wc -l; }

# print_and_check NAME EXPECTED-FIRST-LINE CHECK-OPTIONS -- PRINT-OPTIONS: prints the
# photograph's label, keeps what print wrote in $printed, and checks what it told and
# the stream against the label.
print_and_check() {
    local name=$1 told=$2 checks=() options=() before
    shift 2
    while [[ $1 != -- ]]; do checks+=("$1"); shift; done
    shift
    options=("$@")
    before=$(count)
    if ! printed=$("$cli" print "${options[@]}" "$photo" 2>"$work/stderr"); then
        fail "$name: print exited $?: $(cat "$work/stderr")"
        return
    fi
    [[ $(head -n 1 <<<"$printed") == "$told"* ]] || fail "$name: told '$(head -n 1 <<<"$printed")'"
    received_since "$before" >/dev/null
    local medium=()
    [[ " ${options[*]} " == *" Roll 60 "* ]] && medium=(--medium "Roll 60")
    "$cli" render --dpi "$dpi" "${medium[@]}" "$photo" -o "$work/$name.png" >/dev/null
    if "$check" "$stream" "$work/$name.png" "${lw_check[@]}" "${checks[@]}" \
        --decoded "$work/$name-printed.png"; then
        pass "$name: $(echo "$printed" | tr '\n' ' ')"
    else
        fail "$name"
    fi
}

tape_check=(--turned --band 4-617)
# The roll label on 2.3125 in shipping labels: 56.7 mm printable of its 60 mm, a page of
# the label's 4 in.
roll_check=(--upright --band 4-674 --scale 0.9445 --page-lines 1200)

print_and_check tape-cli "Tape 18 on a 54 mm roll: " "${tape_check[@]}" -- --printer LW
print_and_check tape-uri "Tape 18 on a 54 mm roll: " "${tape_check[@]}" -- --printer "$printer_uri"

# Three labels of three lengths: on a printer that prints every page of a job on one
# size, one job each, in the sheet's order.
absolute_photo=$(realpath "$photo")
long_title="Morning light over the harbour, the fishing boats coming home with the tide"
printf 'file,title,photographer\n"%s",Dawn,Kim Lee\n"%s","%s",Kim Lee\n"%s",Harbour at noon,Kim Lee\n' \
    "$absolute_photo" "$absolute_photo" "$long_title" "$absolute_photo" >"$work/sheet.csv"
"$cli" render --dpi "$dpi" --captions "$work/sheet.csv" -o "$work/sheet.png" >/dev/null
"$cli" render --dpi "$dpi" --medium "Roll 60" --captions "$work/sheet.csv" -o "$work/roll-sheet.png" >/dev/null
check_sheet() {
    local name=$1 before=$2 jobs
    shift 2
    jobs=$(received_since "$before")
    if "$check" "$stream" "$@" "${lw_check[@]}" --pages 3; then
        pass "$name ($jobs jobs)"
    else
        fail "$name"
    fi
}
before=$(count)
if printed=$("$cli" print --printer LW --captions "$work/sheet.csv" 2>"$work/stderr"); then
    [[ $(grep -c '^job [0-9]* completed$' <<<"$printed") == 3 ]] || fail "the sheet's jobs were told as: $printed"
    check_sheet "three tape labels from the CLI" "$before" "$work"/sheet-{1,2,3}.png "${tape_check[@]}"
else
    fail "print of a caption sheet: $(cat "$work/stderr")"
fi
before=$(count)
if private_cups_app_print_all "$app_tests" LW "$work/sheet.csv"; then
    check_sheet "the application's Print All of three tape labels" "$before" \
        "$work"/sheet-{1,2,3}.png "${tape_check[@]}"
else
    fail "the application's Print All: $(tail -n 30 "$work/sheet.csv.app.log")"
fi

# The roll label, on 2.3125 in shipping labels.
private_lprint_load LW450 "$shipping"
print_and_check roll-cli "Roll 60 on 59 × 102 mm labels: " "${roll_check[@]}" -- --printer LW --medium "Roll 60"
[[ $printed == *"printed at 94%"* ]] || fail "the shrunk roll label was not told: $printed"
before=$(count)
if private_cups_app_print_all "$app_tests" LW "$work/sheet.csv" KESTAVOLIN_TEST_MEDIUM="Roll 60"; then
    check_sheet "the application's Print All of three roll labels" "$before" \
        "$work"/roll-sheet-{1,2,3}.png "${roll_check[@]}"
else
    fail "the application's Print All in Roll 60: $(tail -n 30 "$work/sheet.csv.app.log")"
fi

# Loaded media too narrow: refused with the reason, and nothing reaches the printer.
refused() {
    local name=$1 loaded=$2 reason=$3 before
    shift 3
    private_lprint_load LW450 "$loaded"
    before=$(count)
    if "$cli" print --printer LW "$@" "$photo" >/dev/null 2>"$work/stderr"; then
        fail "$name: printed"
    elif ! grep -qF "$reason" "$work/stderr"; then
        fail "$name: told '$(cat "$work/stderr")'"
    elif (($(count) != before)); then
        fail "$name: the printer received a job"
    else
        pass "$name: $(cat "$work/stderr")"
    fi
}
refused "the roll label on a 54 mm roll" "$roll54" \
    "The printer has a 54 mm roll loaded; Roll 60 labels need a roll at least 56 mm wide" \
    --medium "Roll 60"
refused "the tape label on 10 mm labels" oe_thin-multipurpose-label_0.375x2.8125in \
    "The printer has 10 × 71 mm labels loaded; Tape 18 labels need a roll at least 16 mm wide"
private_lprint_load LW450 "$roll54"

# The first start opens the medium question on what the default printer has loaded.
handshake=$private_cups_root/handshake
mkdir -p "$handshake"
chmod 0777 "$handshake"
first_start() {
    local loaded=$1 medium=$2
    private_lprint_load LW450 "$loaded"
    if private_cups_app_test "$app_tests" \
        OnAPrintService.TheFirstStartQuestionOpensOnTheMediumTheDefaultPrinterHasLoaded \
        "$work/first-start.log" KESTAVOLIN_TEST_QUEUE=LW KESTAVOLIN_TEST_HANDSHAKE="$handshake" \
        KESTAVOLIN_TEST_LOADED_MEDIUM="$medium"; then
        pass "first start with $loaded loaded: $medium"
    else
        fail "first start with $loaded loaded: $(tail -n 20 "$work/first-start.log")"
    fi
}
first_start "$roll54" "Tape 18"
first_start "$shipping" "Roll 60"
private_lprint_load LW450 "$roll54"

# live_test TEST QUEUE ACTION: runs the window's test on QUEUE in the background, and once
# it has sent its job runs ACTION (a command) on the print service.
live_test() {
    local test=$1 queue=$2 action=$3 tester
    rm -f "$handshake"/*
    private_cups_app_test "$app_tests" "OnAPrintService.$test" "$work/$test.log" \
        KESTAVOLIN_TEST_QUEUE="$queue" KESTAVOLIN_TEST_HANDSHAKE="$handshake" &
    tester=$!
    for _ in $(seq 240); do
        [[ -e $handshake/printed ]] && break
        kill -0 "$tester" 2>/dev/null || break
        sleep 0.25
    done
    [[ -e $handshake/printed ]] && $action
    if wait "$tester"; then pass "$test"; else fail "$test: $(tail -n 30 "$work/$test.log")"; fi
}
# A queue whose jobs wait until released, on the same printer.
held_queue() {
    lpadmin -p HELD -E -v "$printer_uri" -m everywhere -o job-hold-until-default=indefinite
}
restart_and_release() {
    private_cups_restart
    local job
    job=$(lpstat -o HELD | awk '{print $1; exit}')
    lp -i "$job" -H resume
}
held_queue
live_test AJobIsFollowedAcrossARestartOfTheScheduler HELD restart_and_release
delete_held() { lpadmin -x HELD; }
held_queue
live_test AQueueDeletedWhileItsJobWaitsIsTold HELD delete_held

# A printer that runs out of media while it prints: its queue's filter says so, and
# waits until the test has seen the notice.
mkdir -p "$private_cups_root/filters"
cat >"$private_cups_root/filters/out-of-media" <<FILTER
#!/bin/sh
echo "STATE: +media-empty-error" >&2
while [ ! -e "$handshake/seen" ]; do sleep 0.2; done
echo "STATE: -media-empty-error" >&2
cat "\${6:-/dev/stdin}" >/dev/null
FILTER
chmod 0755 "$private_cups_root/filters/out-of-media"
cat >"$work/out-of-media.ppd" <<PPD
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "MEDIA.PPD"
*Manufacturer: "Test"
*Product: "(Out of media)"
*ModelName: "Out of media"
*NickName: "Out of media"
*ShortNickName: "Out of media"
*PSVersion: "(3010.000) 0"
*cupsFilter: "application/pdf 0 $private_cups_root/filters/out-of-media"
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: A4
*ImageableArea A4: "0 0 595 842"
*DefaultPaperDimension: A4
*PaperDimension A4: "595 842"
PPD
private_cups_add_queue EMPTY "$work/out-of-media.ppd" "$private_cups_root/out/empty.bin"
rm -f "$handshake"/*
if "$cli" print --printer EMPTY --wait-timeout 5 "$photo" >/dev/null 2>"$work/stderr"; then
    fail "print reported success while the printer was out of media"
elif grep -q "Printer “EMPTY”: out of media" "$work/stderr" && grep -q "still waiting" "$work/stderr"; then
    pass "out of media from the CLI: $(tr '\n' ' ' <"$work/stderr")"
else
    fail "out of media from the CLI was told as: $(cat "$work/stderr")"
fi
cancel -a EMPTY
live_test WhatKeepsThePrinterFromPrintingIsANoticeNotAnAlert EMPTY true

if [[ -n ${DRIVERLESS_PRINTERS_KEEP:-} ]]; then
    mkdir -p "$DRIVERLESS_PRINTERS_KEEP" && cp "$work"/*.png "$DRIVERLESS_PRINTERS_KEEP"/
fi
if ((failures)); then
    echo "driverless-printers: $failures check(s) failed"
    tail -n 30 "$private_cups_root/log/error_log" | grep -v '^D' || true
    exit 1
fi
echo "driverless-printers: PASS"
