#!/usr/bin/env bash
# Runs a command on a fresh virtual X server (Xvfb, 1280x1024, 24-bit) with the openbox window manager,
# and stops both afterwards. XSESSION_DPI sets the X resource Xft.dpi (default 96).
set -euo pipefail

# The server picks a free display itself and writes its number here, so parallel sessions never collide.
numberfile=$(mktemp)
# -noreset: the server keeps its resources (Xft.dpi) when the set-up clients below disconnect.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3> "$numberfile" > /dev/null 2>&1 &
server=$!
cleanup() {
    [ -z "${manager:-}" ] || kill "$manager" 2> /dev/null || true
    kill "$server" 2> /dev/null || true
    wait 2> /dev/null || true
    rm -f "$numberfile"
}
trap cleanup EXIT

for _ in $(seq 200); do
    [ -s "$numberfile" ] && break
    sleep 0.05
done
[ -s "$numberfile" ] || { echo "xsession: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$numberfile")"

echo "Xft.dpi: ${XSESSION_DPI:-96}" | xrdb -merge

openbox > /dev/null 2>&1 &
manager=$!
# The manager owns the screen once it has set _NET_SUPPORTING_WM_CHECK on the root window.
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
    sleep 0.05
done

status=0
"$@" || status=$?
exit "$status"
