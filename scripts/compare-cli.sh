#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows that a change kept the command line's behaviour: builds tirvex-cli at
# REVISION in a worktree of its own, runs the kept session script
# (tests/cli/script/cli-session.sh) with it and with this tree's build, and
# compares the two outputs byte for byte. Exit status 0 when identical.
#   bash scripts/compare-cli.sh REVISION
set -euo pipefail
cd "$(dirname "$0")/.."
revision=${1:?usage: compare-cli.sh REVISION}
work=$(mktemp -d)
git worktree add --detach "$work/tree" "$revision" >/dev/null
trap 'git worktree remove --force "$work/tree"; rm -rf "$work"' EXIT

cmake -S "$work/tree" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTIRVEX_BUILD_TESTS=OFF -DTIRVEX_BUILD_GUI=OFF >/dev/null
cmake --build "$work/build" --target tirvex-cli
cmake --build --preset default --target tirvex-cli

script=tests/cli/script/cli-session.sh
# Each commit has a version of its own (git describe): the line that prints
# it is compared without it.
version='s/^tirvex-cli [0-9][^ ]*$/tirvex-cli VERSION/'
bash scripts/offline.sh bash "$script" "$work/build/bin/tirvex-cli" | sed "$version" >"$work/before.txt"
bash scripts/offline.sh bash "$script" build/bin/tirvex-cli | sed "$version" >"$work/after.txt"
if cmp -s "$work/before.txt" "$work/after.txt"; then
    echo "identical: $(wc -l <"$work/after.txt") lines, $(wc -c <"$work/after.txt") bytes"
else
    diff "$work/before.txt" "$work/after.txt" | head -n 60
    exit 1
fi
