#!/usr/bin/env bash
# Installs what building, running and testing the program need on Debian 12, skipping what is there;
# extra package names may follow.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev zlib1g-dev libcups2-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-thai-tlwg fonts-dejavu-core
    xvfb xauth poppler-utils
)
# Callers name what only they need (the fuzzing build: clang and its fuzzer runtime).
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    if [ -t 0 ]; then
        read -r -p "These packages need sudo. Use sudo apt-get to install them? [y/N] " answer
        case "$answer" in [yY]*) ;; *) echo "Not installed; install them and run again." >&2; exit 1 ;; esac
    fi
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
