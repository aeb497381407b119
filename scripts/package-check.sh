#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the git-tracked files and checks it as a distribution and a
# software centre would: REUSE, debian/copyright, lintian, the desktop entry, the AppStream metainfo and a compose
# run, the manual page, the icons, no library search path, and the packaged program's first sheet under Xvfb.
# Prints one verdict a check and a summary; exits 1 when any check failed. SUMORA_KEEP_PACKAGE=DIR keeps the
# .deb and the build log there.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

work="$(mktemp -d)"
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
src="$work/sumora"
unpacked="$work/root"
mkdir -p "$src" "$unpacked"

verdicts=()
failed=0
verdict() { # verdict NAME STATUS DETAIL
    local mark=ok
    if [ "$2" -ne 0 ]; then mark=FAIL; failed=$((failed + 1)); fi
    verdicts+=("$(printf '%-4s %-22s %s' "$mark" "$1" "$3")")
    printf '== %s %s: %s\n' "$mark" "$1" "$3"
}

# A clean tree, like a fresh clone: the tracked files as they are in the working tree (a file deleted there is left
# out), nothing else.
git ls-files -z | while IFS= read -r -d '' file; do
    if [ -e "$file" ] || [ -L "$file" ]; then printf '%s\0' "$file"; fi
done | tar --null -T - -cf - | tar -xf - -C "$src"
echo "== clean copy: $(find "$src" -type f | wc -l) files in $src"

# REUSE: every file has its copyright and licence.
status=0
(cd "$src" && reuse lint > "$work/reuse.log" 2>&1) || status=$?
grep -E '^\* (Files with|Bad|Missing|Unused)|Congratulations|Unfortunately' "$work/reuse.log" || true
[ "$status" -eq 0 ] || cat "$work/reuse.log"
verdict "reuse lint" "$status" "$(grep -E 'Files with license information' "$work/reuse.log" | sed 's/^\* //')"

# debian/copyright is what the REUSE data make.
status=0
/usr/bin/python3 "$src/scripts/debian-copyright.py" --check || status=$?
verdict "debian/copyright" "$status" "generated from .reuse/dep5 and LICENSES/"

# The package, built without its test step (nocheck): the suite runs in the test command's own build trees, and
# would only repeat here. A plain dpkg-buildpackage still runs it, without the X server tests.
options="parallel=2 nocheck"
status=0
echo "== dpkg-buildpackage -us -uc -b, DEB_BUILD_OPTIONS=\"$options\" (log: build.log)"
(cd "$src" && DEB_BUILD_OPTIONS="$options" dpkg-buildpackage -us -uc -b > "$work/build.log" 2>&1) || status=$?
[ "$status" -eq 0 ] || tail -n 60 "$work/build.log"
deb="$(ls "$work"/sumora_*.deb 2> /dev/null | head -n 1 || true)"
[ -n "$deb" ] || status=1
verdict "dpkg-buildpackage" "$status" "${deb:+$(basename "$deb"), $(stat -c %s "$deb") bytes}"
if [ -z "$deb" ]; then
    printf '%s\n' "${verdicts[@]}"
    exit 1
fi
if [ -n "${SUMORA_KEEP_PACKAGE:-}" ]; then
    mkdir -p "$SUMORA_KEEP_PACKAGE"
    cp "$work"/sumora*.deb "$work"/*.changes "$work"/*.buildinfo "$work/build.log" "$SUMORA_KEEP_PACKAGE/"
fi

# lintian, pedantic: no error and no warning (a first upload closes no bug: that warning is expected).
lintian --pedantic --display-info "$work"/sumora_*.changes > "$work/lintian.log" 2>&1 || true
grep -v 'running with root privileges' "$work/lintian.log" || true
bad="$(grep -E '^[EW]: ' "$work/lintian.log" | grep -v ' initial-upload-closes-no-bugs' || true)"
verdict "lintian --pedantic" "$([ -z "$bad" ] && echo 0 || echo 1)" \
    "$(grep -cE '^[EWIPX]: ' "$work/lintian.log" || true) tag(s), $(printf '%s' "$bad" | grep -c . || true) error(s)/warning(s)"

dpkg-deb -x "$deb" "$unpacked"
dpkg-deb -I "$deb" | grep -E '^ (Installed-Size|Depends):'

# The data files as installed.
for check in "desktop usr/share/applications/org.sumora.Sumora.desktop" \
             "metainfo usr/share/metainfo/org.sumora.Sumora.metainfo.xml" \
             "man usr/share/man/man1/sumora.1.gz"; do
    set -- $check
    status=0
    bash tests/packaging/validate.sh "$1" "$unpacked/$2" > "$work/validate.log" 2>&1 || status=$?
    cat "$work/validate.log"
    verdict "validate $1" "$status" "$(tail -n 1 "$work/validate.log" | sed -E "s#$unpacked/##; s/^(ok|FAIL) +//")"
done

# A software centre's catalogue: appstreamcli compose over the unpacked package must take the component and cache
# its icon (it takes none under 64 px).
status=0
appstreamcli compose --no-net --no-color --print-report=full --origin=sumora --result-root="$work/compose" \
    --hints-dir="$work/compose/hints" "$unpacked" > "$work/compose.log" 2>&1 || status=$?
cat "$work/compose.log"
catalogue="$work/compose/usr/share/swcatalog/xml/sumora.xml.gz"
found=""
if [ -f "$catalogue" ] && zcat "$catalogue" | grep -q '<id>org.sumora.Sumora</id>'; then
    for size in 64 128; do
        if zcat "$catalogue" | grep -q "<icon type=\"cached\" width=\"$size\" height=\"$size\">org.sumora.Sumora.png</icon>" &&
           [ -f "$work/compose/usr/share/swcatalog/icons/sumora/${size}x${size}/org.sumora.Sumora.png" ]; then
            found="$found ${size}px"
        fi
    done
fi
[ "$status" -eq 0 ] && [ "$found" = " 64px 128px" ] || status=1
verdict "appstreamcli compose" "$status" "component org.sumora.Sumora, cached icons:${found:- none}"

# The icons: each hicolor size at its size, and the scalable one.
status=0
sizes=""
for size in 16 24 32 48 64 128 256; do
    icon="$unpacked/usr/share/icons/hicolor/${size}x${size}/apps/org.sumora.Sumora.png"
    got="$(identify -format '%wx%h' "$icon" 2> /dev/null || echo missing)"
    [ "$got" = "${size}x${size}" ] || { echo "FAIL $icon: $got"; status=1; }
    sizes="$sizes $got"
done
[ -f "$unpacked/usr/share/icons/hicolor/scalable/apps/org.sumora.Sumora.svg" ] || { echo "FAIL no scalable icon"; status=1; }
verdict "icons" "$status" "hicolor${sizes}, scalable SVG"

# No library search path in the packaged program, and none taken from the working directory.
readelf -d "$unpacked/usr/bin/sumora" | grep -E 'NEEDED|RPATH|RUNPATH|FLAGS' || true
status=0
bash tests/packaging/working_directory.sh "$unpacked/usr/bin/sumora" || status=$?
verdict "readelf, working dir" "$status" "usr/bin/sumora: no RPATH/RUNPATH, no library from the working directory"

# The packaged program's first sheet on a virtual X server, with its own session and screen-reader bus.
status=0
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" PYTHONDONTWRITEBYTECODE=1 dbus-run-session -- bash scripts/xsession.sh \
    /usr/bin/python3 tests/packaging/packaged_sheet.py "$unpacked/usr/bin/sumora" > "$work/sheet.log" 2>&1 ||
    status=$?
grep -v 'Failed to set fd limit' "$work/sheet.log" || true  # the session bus cannot raise its limit here
verdict "packaged first sheet" "$status" "title, 20 questions, clock down from 01:05, score 00 under Xvfb"

echo
echo "== package check"
printf '%s\n' "${verdicts[@]}"
passed=$((${#verdicts[@]} - failed))
echo "package-check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
