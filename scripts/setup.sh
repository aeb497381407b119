#!/usr/bin/env bash
# Installs the Debian packages Sumora needs that are missing, then configures and builds it (preset release).
set -euo pipefail
cd "$(dirname "$0")/.."

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# A package marked "no-recommends" in the list comes without its recommendations (appstream-compose would bring
# ffmpeg along for video screenshots the project never has).
missing=()
missing_bare=()
while read -r package mark; do
    [ -z "$package" ] || [ "${package#\#}" != "$package" ] && continue
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' && continue
    if [ "${mark:-}" = no-recommends ]; then missing_bare+=("$package"); else missing+=("$package"); fi
done < scripts/packages.txt
if [ "$((${#missing[@]} + ${#missing_bare[@]}))" -gt 0 ]; then
    echo "Installing: ${missing[*]} ${missing_bare[*]}"
    as_root apt-get update -qq
    install=(env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq)
    [ "${#missing[@]}" -eq 0 ] || as_root "${install[@]}" "${missing[@]}" > /dev/null
    [ "${#missing_bare[@]}" -eq 0 ] || as_root "${install[@]}" --no-install-recommends "${missing_bare[@]}" > /dev/null
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
