#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds everything with the default preset (build/): the
# programs, the tests and the manual pages, after installing every package
# the project needs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD"
if [ ! -f build/CMakeCache.txt ] || [ ! -f build/build.ninja ]; then
    cmake --preset default
fi
cmake --build --preset default
