#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# but only when some are missing. Uses sudo when not run as root.
# With --list it prints the list, one package a line, and installs nothing:
# check-deps.sh reads the list from here.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
    qt6-translations-l10n fonts-liberation
    ca-certificates tzdata
    libgtest-dev libgmock-dev libbenchmark-dev
    libcpp-httplib-dev libquazip1-qt6-dev
    clang libclang-rt-14-dev
    xvfb xauth iproute2
    desktop-file-utils
)

if [ "${1:-}" = "--list" ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
