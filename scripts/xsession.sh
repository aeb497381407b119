#!/usr/bin/env bash
# Runs a command on a fresh virtual X server (Xvfb, 1280x1024, 24-bit) with a window manager, and stops both afterwards.
# XSESSION_WM picks the manager: openbox (default), xfwm4 or metacity. XSESSION_DPI sets the X resource Xft.dpi
# (default 96). Exits 77 (a skipped test) when the manager is not installed.
set -euo pipefail

wm=${XSESSION_WM:-openbox}
case "$wm" in
    openbox) manager_command=(openbox) ;;
    # Without its compositor xfwm4 draws nothing of its own into client areas, as on a plain X desktop.
    xfwm4) manager_command=(xfwm4 --compositor=off) ;;
    metacity) manager_command=(metacity --replace --sm-disable --no-composite) ;;
    *) echo "xsession: unknown window manager '$wm' (openbox, xfwm4 or metacity)" >&2; exit 2 ;;
esac
if ! command -v "${manager_command[0]}" > /dev/null; then
    echo "xsession: skipped, $wm is not installed (scripts/packages.txt lists it)" >&2
    exit 77
fi

# The server picks a free display itself and writes its number here, so parallel sessions never collide.
numberfile=$(mktemp)
# -noreset: the server keeps its resources (Xft.dpi) when the set-up clients below disconnect.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3> "$numberfile" > /dev/null 2>&1 &
server=$!
managerlog=$(mktemp)
cleanup() {
    [ -z "${manager:-}" ] || kill "$manager" 2> /dev/null || true
    kill "$server" 2> /dev/null || true
    wait 2> /dev/null || true
    rm -f "$numberfile" "$managerlog"
}
trap cleanup EXIT

for _ in $(seq 200); do
    [ -s "$numberfile" ] && break
    sleep 0.05
done
[ -s "$numberfile" ] || { echo "xsession: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$numberfile")"
# A pure X session: a caller inside a Wayland desktop would otherwise have Qt take its Wayland plugin.
unset WAYLAND_DISPLAY

echo "Xft.dpi: ${XSESSION_DPI:-96}" | xrdb -merge

# The GTK managers keep to settings in memory (the user's dconf database stays untouched) and start no screen-reader
# bridge of their own: the tests start the accessibility bus themselves when they need it.
GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 "${manager_command[@]}" > "$managerlog" 2>&1 &
manager=$!
# The manager owns the screen once _NET_SUPPORTING_WM_CHECK on the root window names a window that carries the
# manager's name: each of the three sets it only after it has taken the screen over.
owns_screen() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -o '0x[0-9a-f]*') || return 1
    xprop -id "$check" _NET_WM_NAME 2> /dev/null | grep -q '= "'
}
for _ in $(seq 200); do
    owns_screen && break
    kill -0 "$manager" 2> /dev/null || break
    sleep 0.05
done
if ! owns_screen; then
    echo "xsession: $wm did not take the screen over; its output:" >&2
    cat "$managerlog" >&2
    exit 1
fi

status=0
"$@" || status=$?
exit "$status"
