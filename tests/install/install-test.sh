#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# install-test.sh BUILD_DIR
# An installation under an empty prefix: every file in its place, a desktop
# entry that validates, and a tirvex-cli that, run from a folder it cannot
# write into, keeps Home in the per-user data folder and opens on the bundled
# archive at its first start only.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for file in bin/tirvex bin/tirvex-cli bin/tirvex-drawservice share/tirvex/yippee.wav \
    share/tirvex/keno/keno.csv share/tirvex/keno/2020-10_to_2025-06_keno_df_not_clean.csv \
    share/applications/tirvex.desktop share/icons/hicolor/scalable/apps/tirvex.svg; do
    if [ ! -f "$prefix/$file" ]; then
        echo "not installed: $file" >&2
        status=1
    fi
done
desktop-file-validate "$prefix/share/applications/tirvex.desktop" || status=1

export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
home=$XDG_DATA_HOME/Quorvane/Tirvex
# The bundled archive may gain draws, later than any fixed day: the runs take
# the real day (a draw after "today" would fail the import), any count of
# draws will do, and the day loaded is one the archive holds.
cli() {
    (cd / && "$prefix/bin/tirvex-cli" --no-save "$@")
}
out=$(cli date 04.06.2025 load 2>"$work/err")
if ! grep -Eqx "[0-9]+ tirages de l'archive fournie importés dans $home/" "$work/err"; then
    echo "first start did not import the bundled archive:" >&2
    cat "$work/err" >&2
    status=1
fi
if ! grep -q '04\.06\.25' <<<"$out" || [ ! -f "$home/Tirvex.dat" ] || [ ! -f "$home/yippee.wav" ]; then
    echo "Home $home did not get the history and the sound; load printed: $out" >&2
    status=1
fi
cli load >/dev/null 2>"$work/err"
if [ -s "$work/err" ]; then
    echo "a second start imported again:" >&2
    cat "$work/err" >&2
    status=1
fi
if ls "$prefix/bin" | grep -qv '^tirvex'; then
    echo "the installed program wrote into $prefix/bin: $(ls "$prefix/bin")" >&2
    status=1
fi
exit $status
