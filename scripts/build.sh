#!/usr/bin/env bash
# Configures and builds with the default preset (build/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD"
if [ ! -f build/CMakeCache.txt ] || [ ! -f build/build.ninja ]; then
    cmake --preset default
fi
cmake --build --preset default
