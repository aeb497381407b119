#!/usr/bin/env bash
# Runs a command on a fresh virtual X server (Xvfb, 1280x1024, 24-bit) with the openbox window manager,
# and stops both afterwards. XSESSION_DPI sets the X resource Xft.dpi (default 96).
set -euo pipefail

number=90
while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do
    number=$((number + 1))
done
export DISPLAY=":${number}"

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
server=$!
cleanup() {
    [ -n "${manager:-}" ] && kill "$manager" 2> /dev/null
    kill "$server" 2> /dev/null
    wait 2> /dev/null || true
}
trap cleanup EXIT

for _ in $(seq 100); do
    xdpyinfo > /dev/null 2>&1 && break
    sleep 0.05
done
echo "Xft.dpi: ${XSESSION_DPI:-96}" | xrdb -merge

openbox > /dev/null 2>&1 &
manager=$!
# The manager owns the screen once it has set _NET_SUPPORTING_WM_CHECK on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
    sleep 0.05
done

status=0
"$@" || status=$?
exit "$status"
