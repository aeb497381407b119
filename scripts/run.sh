#!/usr/bin/env bash
# Installs what is missing, builds Sumora and starts it; without a display it runs it under Xvfb,
# saves a screenshot of the practice window to build/screenshot.png and ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

if [ -n "${DISPLAY:-}" ]; then
    exec build/sumora
fi

shot="$PWD/build/screenshot.png"
exec dbus-run-session -- bash scripts/xsession.sh bash -c '
    build/sumora &
    program=$!
    window=$(xdotool search --sync --onlyvisible --name "^Sumora\(" | head -n 1)
    sleep 1.5   # let the first frame settle
    import -window "$window" "$1"
    kill "$program"; wait "$program" 2>/dev/null || true
    echo "$1"' screenshot "$shot"
