#!/usr/bin/env bash
# Sets up everything and starts the program on the bundled real history.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
home="$PWD/build/bin"
# A new Home without a history gets the operator's archive bundled with the
# project, imported draw for draw.
if [ ! -f "$home/Tirvex.dat" ]; then
    "$home/tirvex-cli" --home "$home" --no-save --settings "$home/import-settings.ini" \
        import data/keno/keno.csv data/keno/keno_gagnant_a_vie.csv data/keno/keno_201811.csv \
        data/keno/keno_202010.csv data/keno/2020-10_to_2025-06_keno_df_not_clean.csv
    rm -f "$home/import-settings.ini"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: starting under xvfb-run." >&2
    exec xvfb-run -a "$home/tirvex" "$@"
fi
exec "$home/tirvex" "$@"
