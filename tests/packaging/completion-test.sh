#!/usr/bin/env bash
# Drives the generated bash completion of kestavolin-cli as bash does on Tab and checks
# what it offers. Printer names come from a stand-in lpstat, so the machine's print
# queues are neither needed nor touched.
#   completion-test.sh COMPLETION_FILE
set -uo pipefail
completion=$1
source /usr/share/bash-completion/bash_completion || exit 1
source "$completion" || exit 1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/bin" "$scratch/photos/album"
printf '#!/bin/sh\necho Label_Writer\necho "Office"\n' >"$scratch/bin/lpstat"
chmod +x "$scratch/bin/lpstat"
PATH=$scratch/bin:$PATH
touch "$scratch/photos/"{a.jpg,b.JPEG,c.tif,d.TIFF,e.psd,notes.txt,label.pdf}
cd "$scratch/photos" || exit 1

failures=0
# complete LINE EXPECTED...: the replies for the command line typed so far (the cursor
# at its end) must be exactly the expected words, in any order.
complete_line() {
    local line=$1
    shift
    COMP_LINE=$line
    COMP_POINT=${#line}
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _kestavolin_cli kestavolin-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got expected
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
    expected=$(printf '%s\n' "$@" | sort)
    if [[ $got != "$expected" ]]; then
        echo "FAIL: '$line'"
        echo "  expected: $(echo $expected)"
        echo "  got:      $(echo $got)"
        failures=$((failures + 1))
    fi
}

# Subcommands and the program's own options.
complete_line "kestavolin-cli " dump info print render --help --version
complete_line "kestavolin-cli re" render
# Each subcommand's own options, as its help lists them.
complete_line "kestavolin-cli dump --" --detailed --help
complete_line "kestavolin-cli info --" --json --no-translations
complete_line "kestavolin-cli render --d" --dpi
complete_line "kestavolin-cli print --pr" --printer
# Media names, with their space quoted.
complete_line "kestavolin-cli render --medium " 'Tape\ 18' 'Roll\ 60'
complete_line "kestavolin-cli print --medium R" 'Roll\ 60'
# Print queues from lpstat.
complete_line "kestavolin-cli print --printer " Label_Writer Office
complete_line "kestavolin-cli print --printer O" Office
# Photographs by their extensions (any case) and folders to descend into.
complete_line "kestavolin-cli info " a.jpg b.JPEG c.tif d.TIFF e.psd album
complete_line "kestavolin-cli render --medium Tape18 " a.jpg b.JPEG c.tif d.TIFF e.psd album
# Output files of render are any files.
complete_line "kestavolin-cli render a.jpg -o l" label.pdf
# An option taking a value of its own kind offers nothing.
complete_line "kestavolin-cli render --dpi "

if ((failures)); then
    echo "$failures completion check(s) failed"
    exit 1
fi
echo "all completion checks passed"
