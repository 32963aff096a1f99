#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (bench preset, build-bench/) and runs each of them
# for a short time, so that they keep building and running. Arguments go to
# every benchmark program (for example --benchmark_filter=Import).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD"
cmake --preset bench
cmake --build --preset bench
for bench in build-bench/bin/tirvex_*_bench; do
    echo "== $bench"
    # Long runs set their own iteration counts; a short minimum time keeps the others brief.
    TIRVEX_BENCH_SHORT=1 "$bench" --benchmark_min_time=0.05 "$@"
done
