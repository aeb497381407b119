#!/usr/bin/env bash
# Installs what is missing, builds Sumora and starts it; without a display it runs it under Xvfb,
# saves a screenshot of the practice window to build/screenshot.png and ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run

if [ -n "${DISPLAY:-}" ]; then
    exec build/sumora
fi

shot="$PWD/build/screenshot.png"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
exec dbus-run-session -- bash scripts/xsession.sh bash -c '
    build/sumora &
    program=$!
    window=$(xdotool search --sync --onlyvisible --name "^Sumora\(" | head -n 1)
    sleep 0.3   # the first frame, before the first tick of the clock
    import -window "$window" "$1"
    kill "$program"; wait "$program" 2>/dev/null || true
    echo "$1"' screenshot "$shot"
