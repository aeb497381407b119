#!/usr/bin/env bash
# Installs the Debian packages that are missing for running or for testing Sumora.
# "setup.sh run" takes what building and running need, then configures and builds the program alone (preset release).
# "setup.sh analyse" takes Clang, clazy, clang-tidy and clang-format; "setup.sh tools" takes the other test tools and
# generates the German locale (the test command runs it while the sanitizer build compiles).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
case "$mode" in
    run) purposes=" build checkout run shot " ;;
    analyse) purposes=" analyse " ;;
    tools) purposes=" test " ;;
    *) echo "setup.sh: run, analyse or tools, not '$mode'" >&2; exit 2 ;;
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
    # The lists are fetched once an hour at most: the test command installs its tools right after the run command.
    if [ -z "$(find /var/lib/apt/lists -maxdepth 1 -name '*_Packages*' -mmin -60 2> /dev/null | head -n 1)" ]; then
        as_root apt-get update -qq
    fi
    # dpkg's unsafe-io skips the sync after each unpacked file; only a power cut while installing could matter.
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o Dpkg::Options::=--force-unsafe-io "${missing[@]}" > /dev/null
fi

# The number rules are checked under a German locale too, which a fresh machine has not generated.
if [ "$mode" = tools ] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen > /dev/null
    as_root locale-gen > /dev/null
fi
[ "$mode" = run ] || exit 0

cmake --preset release > build-configure.log 2>&1 || { cat build-configure.log; exit 1; }
rm -f build-configure.log
cmake --build --preset release --target sumora
