#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command in a network namespace of its own with only the loopback
# interface up: the tests talk to servers on 127.0.0.1 and nothing they run
# can reach another host. Where namespaces cannot be made (no privilege),
# the command runs as it is; the tests point every update at 127.0.0.1.
set -euo pipefail
if command -v unshare >/dev/null && command -v ip >/dev/null &&
    unshare -n true 2>/dev/null; then
    exec unshare -n bash -c 'ip link set lo up && exec "$@"' offline "$@"
fi
echo "offline.sh: no network namespace here; running with the network" >&2
exec "$@"
