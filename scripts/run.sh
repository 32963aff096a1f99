#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the three programs (the "programs" preset, build-programs/: no tests,
# benchmarks or fuzzers), after installing only the Debian packages that
# building and running them need, and starts the window on the bundled real
# history. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
# Home is build-programs/bin; at its first start the program imports the
# operator's archive bundled with the project into a new history there.
home="$PWD/build-programs/bin"
display=true
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    display=false
    echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set): building the programs, but the window will not start." >&2
fi
bash scripts/install-deps.sh --run
export CCACHE_BASEDIR="$PWD"
if [ ! -f build-programs/CMakeCache.txt ] || [ ! -f build-programs/build.ninja ]; then
    cmake --preset programs
fi
cmake --build --preset programs
if ! $display; then
    cat >&2 <<MESSAGE

run.sh: the window needs a display, and this session has none.
  - On a desktop: run "bash scripts/run.sh" in a terminal of the desktop session.
  - Over SSH: connect with "ssh -X" (or -Y) so that DISPLAY is set.
  - Without any screen: install Xvfb (apt-get install xvfb xauth) and start the
    window in an invisible display: xvfb-run -a "$home/tirvex"
  - The same commands without a window: "$home/tirvex-cli" --help
MESSAGE
    exit 1
fi
exec "$home/tirvex" "$@"
