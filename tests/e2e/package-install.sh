#!/usr/bin/env bash
# The Debian package as a user meets it: installs it with apt-get, runs the installed
# command line and application, checks the menu entry, MIME associations, metadata,
# manual pages and completion, then purges it and checks that none of its files
# remains. Needs root; changes only what the package itself installs.
#   tests/e2e/package-install.sh PACKAGE.deb PHOTOGRAPH
set -euo pipefail

deb=$(realpath "${1:?usage: package-install.sh PACKAGE.deb PHOTOGRAPH}")
photo=$(realpath "${2:?usage: package-install.sh PACKAGE.deb PHOTOGRAPH}")
fail() { echo "package-install: FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The application keeps its settings in the home folder: give it a scratch one.
export HOME=$scratch/home
mkdir -p "$HOME"

echo "-- installing $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
dpkg-query -L kestavolin >"$scratch/files"

echo "-- the installed programs"
[[ $(command -v kestavolin-cli) == /usr/bin/kestavolin-cli ]] || fail "kestavolin-cli is not on the path"
kestavolin-cli --version
kestavolin-cli info "$photo" | grep -q "Model: " || fail "kestavolin-cli info printed no model"
env -u DISPLAY -u WAYLAND_DISPLAY kestavolin-cli render --medium "Roll 60" "$photo" \
    -o "$scratch/label.pdf" || fail "kestavolin-cli render failed"
head -c 5 "$scratch/label.pdf" | grep -q '%PDF-' || fail "render wrote no PDF"
# render's program hands a request for photographs' own titles to the complete one,
# each found where the package installed it.
env -u DISPLAY -u WAYLAND_DISPLAY kestavolin-cli render --titles-from-photos "$photo" \
    -o "$scratch/titled.png" || fail "kestavolin-cli render --titles-from-photos failed"
# The application starts, opens the photograph and keeps running until it is ended.
status=0
xvfb-run -a -s '-screen 0 1280x1024x24' timeout --signal=TERM 5 kestavolin "$photo" \
    >"$scratch/app.log" 2>&1 || status=$?
[[ $status -eq 124 ]] || { cat "$scratch/app.log"; fail "kestavolin ended by itself ($status)"; }

echo "-- menu entry, icons, MIME associations, metadata, manual pages, completion"
desktop=/usr/share/applications/kestavolin.desktop
desktop-file-validate "$desktop"
for type in image/jpeg image/tiff image/vnd.adobe.photoshop; do
    grep -q "^MimeType=.*$type;" "$desktop" || fail "the desktop entry does not open $type"
    grep -q "^$type=.*kestavolin.desktop" /usr/share/applications/mimeinfo.cache \
        || fail "$type is not registered for kestavolin in the MIME cache"
done
[[ -f /usr/share/icons/hicolor/scalable/apps/kestavolin.svg ]] || fail "no scalable icon"
[[ -f /usr/share/icons/hicolor/48x48/apps/kestavolin.png ]] || fail "no 48 px icon"
appstreamcli validate --no-net $(grep "^/usr/share/metainfo/.*\.xml$" "$scratch/files")
for page in kestavolin kestavolin-cli; do
    zcat "/usr/share/man/man1/$page.1.gz" | groff -man -ww -z || fail "$page(1) does not format"
done
if command -v man >/dev/null; then
    MANPAGER=cat man kestavolin-cli 2>/dev/null | grep -q "kestavolin-cli render" \
        || fail "man kestavolin-cli shows no page"
fi
bash -c 'source /usr/share/bash-completion/bash_completion
         source /usr/share/bash-completion/completions/kestavolin-cli
         COMP_WORDS=(kestavolin-cli ""); COMP_CWORD=1; COMP_LINE="kestavolin-cli "; COMP_POINT=15
         _kestavolin_cli kestavolin-cli "" kestavolin-cli
         [[ " ${COMPREPLY[*]} " == *" render "* ]]' || fail "the completion offers no subcommands"

echo "-- purging"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq kestavolin >/dev/null
left=()
while IFS= read -r path; do
    [[ -e $path || -L $path ]] || continue
    # Folders shared with other packages (/usr/bin, the icon theme) stay.
    [[ -d $path && ! -L $path ]] && dpkg-query -S "$path" >/dev/null 2>&1 && continue
    left+=("$path")
done <"$scratch/files"
((${#left[@]} == 0)) || fail "left behind: ${left[*]}"
echo "package-install: the package installs, runs and leaves nothing behind"
