#!/usr/bin/env bash
# Installs what the intelligibility benchmark needs besides the build: the
# offline recogniser with its US English model, and sox to resample.
set -euo pipefail
packages=(pocketsphinx pocketsphinx-en-us sox)
missing=()
for pkg in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo=(sudo)
else
    echo "error: the intelligibility benchmark needs: ${missing[*]}" >&2
    echo "       run 'sudo apt-get install ${missing[*]}'" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
