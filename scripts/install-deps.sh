#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs, but only when some are
# missing. Uses sudo when not run as root.
#   install-deps.sh           everything: the programs, the tests, the
#                             benchmarks, the sanitizer build and the package
#                             check (scripts/test.sh, CI)
#   install-deps.sh --run     only what building and running the programs
#                             needs (scripts/run.sh)
# With --list it prints the chosen list, one package a line, and installs
# nothing: check-deps.sh reads both lists from here.
set -euo pipefail

# Everything: the programs, the tests, the benchmarks, the sanitizer and fuzz
# build, and the package check (lintian, AppStream, the manual pages; cpack's
# dependency search asks file(1) which files are programs).
packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
    qt6-5compat-dev qt6-translations-l10n fonts-liberation
    ca-certificates tzdata
    libquazip1-qt6-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcpp-httplib-dev
    clang libclang-rt-14-dev
    xvfb xauth iproute2
    desktop-file-utils appstream lintian man-db file git
)
# Building the three programs and running them only.
run_packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
    qt6-5compat-dev qt6-translations-l10n fonts-liberation
    ca-certificates tzdata
    libquazip1-qt6-dev
)

list=false
run_only=false
for argument in "$@"; do
    case "$argument" in
    --list) list=true ;;
    --run) run_only=true ;;
    *)
        echo "usage: install-deps.sh [--run] [--list]" >&2
        exit 2
        ;;
    esac
done
if $run_only; then
    packages=("${run_packages[@]}")
fi

if $list; then
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
