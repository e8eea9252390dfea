#!/usr/bin/env bash
# Installs the Debian packages that the build, the unit tests and the end-to-end tests under
# Wine need. Quiet when everything is there; as a user other than root it prints the command.
set -euo pipefail

packages=(
    g++ make cmake libgtest-dev clang libclang-rt-14-dev
    mingw-w64
    wine wine64 fonts-wine
    xvfb xdotool xclip x11-xserver-utils x11-utils
    imagemagick fonts-ipafont-gothic
    zip unzip
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    if [[ $status != installed ]]; then
        missing+=("$package")
    fi
done
((${#missing[@]} == 0)) && exit 0

install=(apt-get install -y --no-install-recommends "${missing[@]}")
if ((EUID != 0)); then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "  sudo apt-get update && sudo DEBIAN_FRONTEND=noninteractive ${install[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
apt-get update -q
DEBIAN_FRONTEND=noninteractive "${install[@]}"
