# A print scheduler of the test's own, sourced by the end-to-end print tests: its own
# configuration, spool, state and logs in a temporary folder, listening on a free
# localhost port, with file:// device URIs allowed so that each job's printer stream
# lands in a file. The machine's own scheduler and its configuration are never touched.
#   private_cups_start        starts it; exports CUPS_SERVER for the clients; exit 77 when
#                             no scheduler can be started here
#   private_cups_restart      stops it and starts it again on the same port and state
#   private_cups_add_queue NAME PPD-OR-MODEL OUTPUT-FILE
#   private_cups_app_print_all APP-TESTS QUEUE SHEET [NAME=VALUE...]
#   private_cups_app_test APP-TESTS TEST LOG [NAME=VALUE...]
#   private_cups_stop         (also run on exit; stops a private printer application too)

private_cups_root=
private_cups_pid=

private_cups_free_port() {
    python3 - <<'PY'
import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])
s.close()
PY
}

private_cups_stop() {
    if declare -F private_lprint_stop >/dev/null; then
        private_lprint_stop
    fi
    if [[ -n $private_cups_pid ]]; then
        kill "$private_cups_pid" 2>/dev/null || true
        wait "$private_cups_pid" 2>/dev/null || true
        private_cups_pid=
    fi
    if [[ -n $private_cups_root && -z ${KEEP_PRIVATE_CUPS:-} ]]; then
        rm -rf "$private_cups_root"
    fi
}

private_cups_start() {
    command -v cupsd >/dev/null || { echo "private-cups: SKIP: cupsd is not installed"; exit 77; }
    private_cups_root=$(mktemp -d /tmp/kestavolin-cups.XXXXXX)
    # The scheduler runs its filters as the unprivileged user "lp", which must be able
    # to read the configuration and write the output files.
    chmod 0755 "$private_cups_root"
    local root=$private_cups_root port
    mkdir -p "$root"/{ppd,spool/tmp,cache,state,log,out}
    chmod 0777 "$root/out"
    chmod 1777 "$root/spool/tmp"
    port=$(private_cups_free_port)
    cat >"$root/cupsd.conf" <<CONF
LogLevel debug
Listen localhost:$port
Browsing No
DefaultAuthType None
WebInterface No
MaxJobs 0
PreserveJobHistory Yes
PreserveJobFiles Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$root/cups-files.conf" <<CONF
ServerRoot $root
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
Printcap $root/printcap
FileDevice Yes
Sandboxing Relaxed
CONF
    trap private_cups_stop EXIT
    export CUPS_SERVER=localhost:$port
    # The programs under test read no settings of the machine's user.
    export XDG_CONFIG_HOME=$root/config XDG_STATE_HOME=$root/state
    private_cups_run || {
        echo "private-cups: SKIP: the private scheduler did not start"
        cat "$root/log/error_log" 2>/dev/null | tail -n 20
        exit 77
    }
}

# Runs the scheduler on the configuration made; false when it does not answer in time.
private_cups_run() {
    local root=$private_cups_root
    cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" &
    private_cups_pid=$!
    for _ in $(seq 40); do
        lpstat -r 2>/dev/null | grep -q '^scheduler is running' && return 0
        kill -0 "$private_cups_pid" 2>/dev/null || break
        sleep 0.25
    done
    return 1
}

# The scheduler goes away and comes back on the same port, with its queues and jobs.
private_cups_restart() {
    kill "$private_cups_pid" 2>/dev/null || true
    wait "$private_cups_pid" 2>/dev/null || true
    private_cups_run || { echo "private-cups: the scheduler did not start again"; return 1; }
}

# private_cups_add_queue NAME MODEL OUTPUT: MODEL is a driver model name as lpinfo -m
# lists it, or the path of a PPD file.
private_cups_add_queue() {
    local name=$1 model=$2 output=$3 source
    if [[ -f $model ]]; then source=(-P "$model"); else source=(-m "$model"); fi
    lpadmin -p "$name" -E -v "file://$output" "${source[@]}" 2>&1 | grep -v deprecated || true
    lpstat -p "$name" >/dev/null 2>&1 || { echo "private-cups: could not add queue $name"; return 1; }
}

# private_cups_app_print_all APP-TESTS QUEUE SHEET [NAME=VALUE...]: the application's
# File > Import Caption Sheet and Print All on the queue (in the medium that
# KESTAVOLIN_TEST_MEDIUM names, Tape 18 unless given), run by its own test (tests/app),
# which chooses the queue in the print dialog and waits until the queue has completed
# the jobs. The test's output goes to SHEET.app.log; fails when the test failed or skipped.
private_cups_app_print_all() {
    local tests=$1 queue=$2 sheet=$3
    shift 3
    private_cups_app_test "$tests" \
        Exhibition.AnImportedCaptionSheetPrintsAllAsOneCompletedJobOnAQueue "$sheet.app.log" \
        KESTAVOLIN_TEST_QUEUE="$queue" KESTAVOLIN_TEST_SHEET="$sheet" "$@"
}

# private_cups_app_test APP-TESTS TEST LOG [NAME=VALUE...]: one application test (tests/app)
# with the environment given, on the private scheduler; its output goes to LOG. Fails when
# the test failed or skipped.
private_cups_app_test() {
    local tests=$1 test=$2 log=$3
    shift 3
    env "$@" QT_QPA_PLATFORM=offscreen "$tests" --gtest_filter="$test" >"$log" 2>&1 &&
        grep -q '^\[       OK \]' "$log"
}
