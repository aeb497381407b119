#!/usr/bin/env bash
# Takes the README's pictures of the print window (doc/print-window.png) and of the print dialog its "打印(&P)…" opens
# (doc/print-dialog.png): under a virtual X server with openbox at 96 dpi, beside a private print scheduler with one
# PDF queue (scripts/cups-session.sh, which needs root). Builds the program first when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/sumora ] || bash scripts/setup.sh run
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

# shellcheck disable=SC2016 # expanded by the inner shell
exec dbus-run-session -- bash scripts/cups-session.sh bash scripts/xsession.sh bash -c '
    set -euo pipefail
    build/sumora --print --unit carry20 --sheets 40 --seed 2026 &
    program=$!
    trap "kill $program 2> /dev/null || true" EXIT
    window=$(xdotool search --sync --onlyvisible --pid "$program" --name "^打印练习卷$" | head -n 1)
    sleep 2   # the preview draws its pages once the filled-in options have settled
    # Stable files: no time stamps, no other chunks.
    import -window "$window" -strip -define png:exclude-chunks=date,time doc/print-window.png
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+p
    for _ in $(seq 100); do
        dialog=$(xdotool search --onlyvisible --pid "$program" | grep -vx "$window" | head -n 1) && break
        sleep 0.1
    done
    [ -n "${dialog:-}" ] || { echo "screenshots: Alt+P opened no print dialog" >&2; exit 1; }
    sleep 1   # the dialog has asked the scheduler for its printers
    # Its options shown: copies and the page range (two-sided printing is on the next tab).
    xdotool key --clearmodifiers alt+o
    sleep 1
    import -window "$dialog" -strip -define png:exclude-chunks=date,time doc/print-dialog.png
    xdotool key --clearmodifiers Escape
    identify doc/print-window.png doc/print-dialog.png'
