#!/usr/bin/env bash
# Installs the Debian packages Sumora needs that are missing, then configures and builds it (preset release).
set -euo pipefail
cd "$(dirname "$0")/.."

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
while read -r package; do
    [ -z "$package" ] || [ "${package#\#}" != "$package" ] && continue
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done < scripts/packages.txt
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" > /dev/null
fi

# The number rules are checked under a German locale too, which a fresh machine has not generated.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen > /dev/null
    as_root locale-gen > /dev/null
fi

cmake --preset release > build-configure.log 2>&1 || { cat build-configure.log; exit 1; }
rm -f build-configure.log
cmake --build --preset release
