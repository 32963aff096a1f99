#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bash scripts/offline.sh ctest --preset default -j2 "$@"
