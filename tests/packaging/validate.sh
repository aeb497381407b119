#!/usr/bin/env bash
# Validates one of the data files that desktops and software centres read, and fails on any complaint:
#   validate.sh desktop FILE    desktop-file-validate: no message at all
#   validate.sh metainfo FILE   appstreamcli validate --pedantic: no message but the one the component id brings
#   validate.sh man FILE        man --warnings, as lintian runs it: no warning
# Exits 77 (skipped) when the validating tool is not installed.
set -euo pipefail

kind="${1:?usage: validate.sh desktop|metainfo|man FILE}"
file="${2:?usage: validate.sh desktop|metainfo|man FILE}"
case "$kind" in
    desktop) tool=desktop-file-validate ;;
    metainfo) tool=appstreamcli ;;
    man) tool=man ;;
    *) echo "validate.sh: unknown kind $kind" >&2; exit 2 ;;
esac
command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }

status=0
case "$kind" in
    desktop)
        out="$(desktop-file-validate "$file" 2>&1)" || status=$?
        complaints="$out"
        ;;
    metainfo)
        out="$(appstreamcli validate --no-net --pedantic "$file" 2>&1)" || status=$?
        # The id org.sumora.Sumora is the one the desktop entry and the icons carry; the pedantic note that it has
        # capitals is the only message accepted.
        complaints="$(printf '%s\n' "$out" | grep -E '^[EWIP]: ' | grep -vE '^P: [^ ]+ cid-contains-uppercase-letter ' || true)"
        ;;
    man)
        out="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 > /dev/null)" ||
            status=$?
        complaints="$out"
        ;;
esac

printf '%s\n' "${out:-(no output)}"
if [ "$status" -ne 0 ] || [ -n "$complaints" ]; then
    echo "FAIL $tool on $file: exit $status${complaints:+, complaints above}"
    exit 1
fi
echo "ok   $tool accepts $file"
