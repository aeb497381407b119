#!/usr/bin/env bash
# Runs a command inside a headless mutter (the GNOME compositor, 1280x1024 virtual monitor) and stops it afterwards.
# MUTTER_SESSION=xwayland (default): Wayland plus Xwayland, with WAYLAND_DISPLAY, DISPLAY and XAUTHORITY exported.
# MUTTER_SESSION=wayland: Wayland alone (mutter --no-x11), with WAYLAND_DISPLAY exported and DISPLAY unset.
# Exits 77 (a skipped test) when mutter or Xwayland is not installed.
set -euo pipefail

kind=${MUTTER_SESSION:-xwayland}
case "$kind" in
    xwayland) x11_option=() ;;
    wayland) x11_option=(--no-x11) ;;
    *) echo "mutter-session: unknown MUTTER_SESSION '$kind' (xwayland or wayland)" >&2; exit 2 ;;
esac
for tool in mutter $([ "$kind" = xwayland ] && echo Xwayland); do
    if ! command -v "$tool" > /dev/null; then
        echo "mutter-session: skipped, $tool is not installed (scripts/packages.txt lists it)" >&2
        exit 77
    fi
done

# A runtime folder of this session alone: the Wayland socket and Xwayland's cookie file go there.
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
log="$XDG_RUNTIME_DIR/mutter.log"
cleanup() {
    [ -z "${compositor:-}" ] || kill "$compositor" 2> /dev/null || true
    wait 2> /dev/null || true
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

# Settings live in memory only: the session neither reads nor writes the user's dconf database. The compositor itself
# needs no screen reader, so GTK inside it does not start the accessibility bus (the tests start their own).
# Any X display of the caller is none of mutter's business: it would run nested in it.
env -u DISPLAY -u WAYLAND_DISPLAY GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
    mutter --headless --wayland "${x11_option[@]}" --virtual-monitor 1280x1024 --wayland-display=wayland-sumora \
    > "$log" 2>&1 &
compositor=$!
unset DISPLAY XAUTHORITY
export WAYLAND_DISPLAY=wayland-sumora

fail() {
    echo "mutter-session: $1; mutter's output:" >&2
    cat "$log" >&2
    exit 1
}
# Ready once the Wayland socket exists and, with X11, once mutter has named the public X display (":N"; it picks a
# free number itself), Xwayland's cookie file is there and the X server answers with mutter as its manager.
for _ in $(seq 300); do
    kill -0 "$compositor" 2> /dev/null || fail "mutter ended during start-up"
    if [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
        [ "$kind" = wayland ] && break
        number=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$log" | head -n 1)
        cookie=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name '.mutter-Xwaylandauth.*' | head -n 1)
        if [ -n "$number" ] && [ -n "$cookie" ] &&
            DISPLAY=$number XAUTHORITY=$cookie xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'
        then
            export DISPLAY=$number XAUTHORITY=$cookie
            break
        fi
    fi
    sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "no Wayland socket after 15 s"
[ "$kind" = wayland ] || [ -n "${DISPLAY:-}" ] || fail "Xwayland did not answer within 15 s"

status=0
"$@" || status=$?
exit "$status"
