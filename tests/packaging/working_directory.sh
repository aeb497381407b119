#!/usr/bin/env bash
# Checks that a program loads no shared library from the directory it is started in: it must carry no RPATH or
# RUNPATH, and a fake libxcb.so.1 (whose constructor leaves a marker file) next to the user must stay unloaded.
# Usage: working_directory.sh PROGRAM
set -euo pipefail

program="$(realpath "${1:?usage: working_directory.sh PROGRAM}")"
library=libxcb.so.1   # a library the program links directly, so its own search path decides where it is found
failures=0
say() { printf '%s\n' "$*"; }
fail() { say "FAIL $*"; failures=$((failures + 1)); }

for tool in readelf c++ timeout; do
    command -v "$tool" > /dev/null || { say "skipped: $tool is not installed"; exit 77; }
done

# 1. No search path compiled in: an empty entry in one is read by the loader as the current directory.
paths="$(readelf -d "$program" | grep -E '\((RPATH|RUNPATH)\)' || true)"
if [ -n "$paths" ]; then
    fail "search path in $program: $(printf '%s' "$paths" | sed -E 's/^ *0x[0-9a-f]+ +\((R[A-Z]*PATH)\) +/\1 /')"
else
    say "ok   no RPATH or RUNPATH in $program"
fi

readelf -d "$program" | grep -q "Shared library: \[$library\]" ||
    { say "skipped: $program does not link $library itself, so it proves nothing here"; exit 77; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
marker="$work/loaded-from-working-directory"

# 2. The fake library: every function the program takes from the real one (so even an immediately bound program
# gets as far as running constructors; none of them is called on the offscreen platform), and a constructor.
symbols="$(readelf --dyn-syms -W "$program" | awk '$7 == "UND" && $8 ~ /^xcb_/ { print $8 }' | sort -u)"
if printf '%s\n' "$symbols" | grep -q '@'; then
    say "skipped: $program asks for versioned symbols of $library; the fake library has no version script"
    exit 77
fi
{
    echo '#include <fcntl.h>'
    echo '#include <stdlib.h>'
    echo '#include <unistd.h>'
    echo 'extern "C" {'
    for symbol in $symbols; do
        echo "void $symbol() { abort(); }"
    done
    echo '}'
    echo '__attribute__((constructor)) static void leave_marker()'
    echo '{'
    echo "    const int fd = open(\"$marker\", O_WRONLY | O_CREAT | O_TRUNC, 0644);"
    echo '    if (fd >= 0) { (void)!write(fd, "loaded\n", 7); close(fd); }'
    echo '}'
} > "$work/fake.cpp"
mkdir "$work/cwd"
c++ -shared -fPIC -o "$work/cwd/$library" -Wl,-soname,"$library" "$work/fake.cpp"

start() {
    # Started for two seconds on the offscreen platform, then ended; status 124 means it ran until then.
    local status=0
    (cd "$work/cwd" && env QT_QPA_PLATFORM=offscreen "$@" timeout -s TERM 2 "$program" > "$work/out" 2>&1) ||
        status=$?
    echo "$status"
}

# 3. The control: asked for explicitly, the fake library is loaded and leaves its marker, so its absence below
# means something.
status="$(start LD_LIBRARY_PATH="$work/cwd")"
if [ -f "$marker" ]; then
    say "ok   control: with LD_LIBRARY_PATH set to it the fake $library is loaded (marker written, exit $status)"
else
    fail "control: the fake $library left no marker even through LD_LIBRARY_PATH (exit $status)"
    cat "$work/out"
fi
rm -f "$marker"

# 4. The check: started from the directory that holds the fake library.
status="$(start)"
if [ -f "$marker" ]; then
    fail "started in $work/cwd, $program loaded $work/cwd/$library"
else
    say "ok   started in a directory holding a fake $library, the program did not load it"
fi
if [ "$status" -eq 124 ]; then
    say "ok   the program ran until it was ended"
else
    fail "the program ended by itself with status $status:"
    cat "$work/out"
fi

[ "$failures" -eq 0 ] && say "working directory: all checks passed" || say "working directory: $failures check(s) failed"
[ "$failures" -eq 0 ]
