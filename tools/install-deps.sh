#!/usr/bin/env bash
# Installs whichever of the Debian packages in debian-packages.txt (or in the
# list file given) are missing.
set -euo pipefail
list="${1:-$(dirname "$0")/debian-packages.txt}"
mapfile -t wanted < <(grep -vE '^\s*(#|$)' "$list")

missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo=(sudo)
else
    echo "error: these packages are missing and installing them needs root: ${missing[*]}" >&2
    echo "       run 'sudo apt-get install ${missing[*]}' or run this command as root" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
