# A label printer application of the test's own, sourced by the end-to-end print tests
# after private-cups.sh: lprint running as the unprivileged user "lp" with its own state
# file, spool, log and domain socket in the private scheduler's folder, listening on a
# free port, remote configuration off (auth-service=none). Each printer's device is a
# socket:// listener of the test's own that writes every connection's bytes to a file of
# its own, numbered in order, so what the printer would have received can be decoded.
# The machine's own printer applications and their state are never touched.
#   private_lprint_start            starts it; sets private_lprint_port
#   private_lprint_add NAME DRIVER  adds a printer (lprint's driver name) with a listener
#   private_lprint_load NAME MEDIA  sets the media the printer says it has loaded
#   private_lprint_received NAME    the files the printer's listener wrote, in order
#   private_lprint_stop             (also run with private_cups_stop)

private_lprint_root=
private_lprint_pid=
private_lprint_port=
private_lprint_listeners=()

# lprint NAME ARGS...: an lprint command to the private printer application.
private_lprint() {
    local root=$private_lprint_root
    runuser -u lp -- env -i PATH=/usr/bin:/bin TMPDIR="$root/tmp" XDG_DATA_HOME="$root/state" \
        HOME="$root/state" lprint "$@"
}

private_lprint_start() {
    command -v lprint >/dev/null || { echo "private-lprint: lprint is not installed (scripts/install-deps installs it)"; return 1; }
    private_lprint_root=$private_cups_root/lprint
    mkdir -p "$private_lprint_root"/{tmp,state,spool,received}
    chown -R lp "$private_lprint_root"
    chmod 0755 "$private_lprint_root"
    private_lprint_port=$(private_cups_free_port)
    local root=$private_lprint_root
    runuser -u lp -- env -i PATH=/usr/bin:/bin TMPDIR="$root/tmp" XDG_DATA_HOME="$root/state" \
        HOME="$root/state" lprint server -o server-port="$private_lprint_port" \
        -o server-hostname=localhost -o auth-service=none -o spool-directory="$root/spool" \
        -o log-file="$root/lprint.log" -o log-level=info -o server-options=no-web-interface \
        >"$root/server.out" 2>&1 &
    private_lprint_pid=$!
    for _ in $(seq 40); do
        [[ -S $root/tmp/lprint$(id -u lp).sock ]] && return 0
        kill -0 "$private_lprint_pid" 2>/dev/null || break
        sleep 0.25
    done
    echo "private-lprint: the printer application did not start"
    tail -n 20 "$root/lprint.log" "$root/server.out" 2>/dev/null
    return 1
}

private_lprint_add() {
    local name=$1 driver=$2 listener port
    listener=$private_lprint_root/received/$name
    mkdir -p "$listener"
    port=$(private_cups_free_port)
    python3 - "$port" "$listener" <<'PY' &
import os, socket, sys

server = socket.socket()
server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
server.bind(("127.0.0.1", int(sys.argv[1])))
server.listen(8)
count = 0
while True:
    connection, _ = server.accept()
    count += 1
    name = os.path.join(sys.argv[2], "%04d" % count)
    with open(name + ".part", "wb") as received:
        while data := connection.recv(65536):
            received.write(data)
    connection.close()
    os.rename(name + ".part", name + ".bin")
PY
    private_lprint_listeners+=($!)
    for _ in $(seq 20); do
        python3 -c "import socket; socket.create_connection(('127.0.0.1', $port)).close()" 2>/dev/null &&
            break
        sleep 0.1
    done
    # The probe was a connection of its own: its empty file is not a job.
    sleep 0.2
    rm -f "$listener"/*.bin
    private_lprint add -d "$name" -v "socket://127.0.0.1:$port" -m "$driver" >/dev/null 2>&1 ||
        { echo "private-lprint: could not add printer $name"; return 1; }
}

private_lprint_load() {
    private_lprint modify -d "$1" -o media-ready="$2" >/dev/null 2>&1
}

private_lprint_received() {
    ls "$private_lprint_root/received/$1"/*.bin 2>/dev/null || true
}

private_lprint_stop() {
    local pid
    for pid in "$private_lprint_pid" "${private_lprint_listeners[@]}"; do
        [[ -n $pid ]] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    private_lprint_pid=
    private_lprint_listeners=()
}
