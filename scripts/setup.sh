#!/usr/bin/env bash
# Installs the Debian packages that are missing for running or for testing Sumora, then configures and builds it.
# "setup.sh run" takes what building and running need; "setup.sh test" takes every package in the list and generates
# the German locale. Both build the program alone (preset release): the test command builds what its stages need.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-test}
case "$mode" in
    run) purposes=" build checkout run shot " ;;
    test) purposes=" build checkout run shot test " ;;
    *) echo "setup.sh: run or test, not '$mode'" >&2; exit 2 ;;
esac

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# Neither command takes recommended packages: for the test tools they would be half the downloads (video codecs,
# speech models, a media framework) and no test uses them.
missing=()
while read -r package purpose _; do
    [ -z "$package" ] || [ "${package#\#}" != "$package" ] && continue
    wanted=
    for one in ${purpose//,/ }; do [[ "$purposes" == *" $one "* ]] && wanted=1; done
    [ -n "$wanted" ] || continue
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done < scripts/packages.txt
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    # dpkg's unsafe-io skips the sync after each unpacked file; only a power cut while installing could matter.
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o Dpkg::Options::=--force-unsafe-io "${missing[@]}" > /dev/null
fi

# The number rules are checked under a German locale too, which a fresh machine has not generated.
if [ "$mode" = test ] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen > /dev/null
    as_root locale-gen > /dev/null
fi

cmake --preset release > build-configure.log 2>&1 || { cat build-configure.log; exit 1; }
rm -f build-configure.log
cmake --build --preset release --target sumora
