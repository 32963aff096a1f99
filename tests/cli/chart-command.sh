#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tirvex-cli chart draws a PNG without a display, prints its verdict, and
# names a file it cannot write.
set -euo pipefail
cli=$1
history=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$history" "$home/Tirvex.dat"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$("$cli" --home "$home" --no-save from 01.06.2024 chart numbers "$home/n.png" \
    chart pairmap "$home/p.png")
[ "$(head -c 8 "$home/n.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    { echo "n.png is no PNG"; exit 1; }
[ -s "$home/p.png" ] || { echo "no pair map picture"; exit 1; }
grep -q "compatibles avec le hasard\|improbable par hasard" <<<"$out" ||
    { echo "no verdict in: $out"; exit 1; }
if err=$("$cli" --home "$home" --no-save chart overdue "$home/none/o.png" 2>&1); then
    echo "an unwritable picture was reported as written"; exit 1
fi
grep -q "$home/none/o.png" <<<"$err" || { echo "the failure does not name the file: $err"; exit 1; }
echo ok
