#!/usr/bin/env bash
# Runs a test command when what it needs is there, and otherwise says what is missing and exits 77, which ctest
# counts as skipped (SKIP_RETURN_CODE 77): a package build has no X server, no MinGW and no generated locales.
# With SUMORA_TESTS_NO_SKIP=1 (the project's own test command) a missing piece fails the test instead.
#
# require.sh [--program NAME]... [--locale NAME]... [--python-module NAME]... [--x-server] -- COMMAND [ARG]...
#   --program        a program on the PATH, or an absolute path to an executable
#   --locale         a generated locale, as LC_ALL would name it (de_DE.UTF-8)
#   --python-module  a module that Debian's /usr/bin/python3 can import
#   --x-server       the test starts a virtual X server: it is skipped when SUMORA_TESTS_NO_X_SERVER is set (to the
#                    reason), as the package build does
set -euo pipefail

missing=()
x_server=0
programs=()
locales=()
modules=()
while [ "$#" -gt 0 ]; do
    case "$1" in
        --program) programs+=("$2"); shift 2 ;;
        --locale) locales+=("$2"); shift 2 ;;
        --python-module) modules+=("$2"); shift 2 ;;
        --x-server) x_server=1; shift ;;
        --) shift; break ;;
        *) echo "require.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
[ "$#" -gt 0 ] || { echo "require.sh: no command after --" >&2; exit 2; }

if [ "$x_server" -eq 1 ] && [ -n "${SUMORA_TESTS_NO_X_SERVER:-}" ]; then
    missing+=("no X server tests here: $SUMORA_TESTS_NO_X_SERVER")
fi
for program in ${programs[@]+"${programs[@]}"}; do
    if [ "${program#/}" != "$program" ]; then
        [ -x "$program" ] || missing+=("$program is not installed")
    else
        command -v "$program" > /dev/null || missing+=("$program is not on the PATH")
    fi
done
# locale -a names them in its own spelling (de_DE.utf8): compared without case and dashes.
available="$(locale -a 2> /dev/null | tr 'A-Z' 'a-z' | tr -d '-')"
for name in ${locales[@]+"${locales[@]}"}; do
    wanted="$(printf '%s' "$name" | tr 'A-Z' 'a-z' | tr -d '-')"
    printf '%s\n' "$available" | grep -qxF "$wanted" || missing+=("the locale $name is not generated")
done
for module in ${modules[@]+"${modules[@]}"}; do
    if [ ! -x /usr/bin/python3 ]; then
        missing+=("/usr/bin/python3 is not installed (for $module)")
    elif ! /usr/bin/python3 -c "import $module" 2> /dev/null; then
        missing+=("/usr/bin/python3 cannot import $module")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    if [ "${SUMORA_TESTS_NO_SKIP:-0}" = 1 ]; then
        printf 'FAIL %s (SUMORA_TESTS_NO_SKIP=1: nothing may be skipped)\n' "${missing[@]}"
        exit 1
    fi
    printf 'skipped: %s\n' "${missing[@]}"
    exit 77
fi
exec "$@"
