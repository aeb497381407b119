#!/usr/bin/env bash
# Runs a command beside a private CUPS scheduler with one cups-pdf queue, and stops the scheduler afterwards.
# The scheduler has a folder of its own for its settings, spool, logs and socket; the command reaches it through
# CUPS_SERVER, and CUPS_SESSION_QUEUE names the queue. The machine's scheduler, its printers and its default printer
# are left alone: nothing is written under /etc/cups (cups-pdf only reads its cups-pdf.conf there, which sends each job
# to $HOME/PDF of the job's user, under the job's title). Exits 77 (a skipped test) when not run as root, which
# cups-pdf needs to write as the job's user, or when the scheduler or cups-pdf is not installed.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    echo "cups-session: skipped, a cups-pdf queue needs the tests to run as root" >&2
    exit 77
fi
for needed in /usr/sbin/cupsd /usr/lib/cups/backend/cups-pdf /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd; do
    if [ ! -e "$needed" ]; then
        echo "cups-session: skipped, $needed is not installed (scripts/packages.txt lists cups and cups-pdf)" >&2
        exit 77
    fi
done

dir=$(mktemp -d -t cups-session.XXXXXX)
# The filters run as the scheduler's user lp, which has to reach the spooled files below.
chmod 755 "$dir"
# The scheduler makes its spool and state folders itself; the temporary one is shared with the filters, run as lp.
mkdir "$dir/run" "$dir/log" "$dir/tmp"
chgrp lp "$dir/tmp"
chmod 1770 "$dir/tmp"
cat > "$dir/cupsd.conf" << EOF
Listen $dir/run/cups.sock
Browsing No
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
cat > "$dir/cups-files.conf" << EOF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
TempDir $dir/tmp
ServerBin /usr/lib/cups
DataDir /usr/share/cups
Printcap $dir/printcap
SystemGroup root
EOF

scheduler=
status=0
cleanup() {
    if [ -n "$scheduler" ]; then
        kill "$scheduler" 2> /dev/null || true
        wait "$scheduler" 2> /dev/null || true
    fi
    # A failure says what the scheduler saw; its log goes with the folder otherwise.
    if [ "$status" -ne 0 ] && [ -s "$dir/log/error_log" ]; then
        echo "cups-session: the scheduler's log:" >&2
        cat "$dir/log/error_log" >&2
    fi
    rm -rf "$dir"
}
trap cleanup EXIT

# -f keeps the scheduler in the foreground, as this script's child, which the clean-up stops by its id.
/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
scheduler=$!
export CUPS_SERVER="$dir/run/cups.sock"
# lpstat -r exits 0 either way; it says whether the scheduler answers.
running() { [ "$(LC_ALL=C lpstat -r 2> /dev/null)" = "scheduler is running" ]; }
for _ in $(seq 100); do
    running && break
    kill -0 "$scheduler" 2> /dev/null || break
    sleep 0.1
done
if ! running; then
    echo "cups-session: the scheduler did not start" >&2
    status=1
    exit 1
fi

export CUPS_SESSION_QUEUE=sumora-pdf
# lpadmin warns that printer drivers are deprecated; the queue works all the same.
lpadmin -p "$CUPS_SESSION_QUEUE" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd 2> /dev/null \
    || { status=$?; echo "cups-session: lpadmin could not create the queue" >&2; exit "$status"; }

"$@" || status=$?
exit "$status"
