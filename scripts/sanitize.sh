#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core libraries, their unit tests and the fuzz targets with clang
# under AddressSanitizer and UBSan (build-sanitize/), runs those tests, then
# each fuzz target for a short bounded run from its seed corpus.
#   TIRVEX_FUZZ_SECONDS  seconds per target (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD"
if [ ! -f build-sanitize/CMakeCache.txt ] || [ ! -f build-sanitize/build.ninja ]; then
    cmake --preset sanitize
fi
cmake --build --preset sanitize
bash scripts/offline.sh ctest --preset sanitize -j2

seconds="${TIRVEX_FUZZ_SECONDS:-10}"
for target in tipline archive servicebody tipfile valuelist history; do
    # New inputs go to a scratch folder: the seed corpus in tests/ stays as it is.
    scratch=$(mktemp -d)
    if ! build-sanitize/bin/fuzz_$target -max_total_time="$seconds" -max_len=4096 \
        -print_final_stats=1 "$scratch" "tests/fuzz/corpus/$target" >"$scratch.log" 2>&1; then
        tail -n 40 "$scratch.log" >&2
        echo "fuzz_$target found a fault; the input is in the log above" >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep -E '^stat::number_of_executed_units' "$scratch.log")"
    rm -rf "$scratch" "$scratch.log"
done
