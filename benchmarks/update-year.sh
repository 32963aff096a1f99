#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the update from the results archive for a year of new draws: the
# bundled 2020-2025 export extended by 730 made-up draws after 04.06.2025,
# zipped and served from 127.0.0.1, into a Home holding the bundled history.
# Prints the wall time of the update and, beside it, of a plain "load" (the
# program's start and close on the same Home) as the floor.
#   bash benchmarks/update-year.sh [build/bin]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
work=$(mktemp -d)
trap 'kill $server 2>/dev/null || true; rm -rf "$work"' EXIT
python3 - "$work" <<'PY'
import sys, zipfile, datetime
work = sys.argv[1]
src = open("data/keno/2020-10_to_2025-06_keno_df_not_clean.csv", encoding="latin-1").read().split("\n")
rows, day, soir = [], datetime.date(2025, 6, 4), 1
for k in range(730):
    numbers = [str((k * 7 + i * 3) % 70 + 1) for i in range(20)]
    rows.append(";".join([str(25310 + k), day.strftime("%d/%m/%Y"), "soir" if soir else "midi",
                          "01/09/2025"] + numbers + ["2", str(1000000 + k), "eur", ""]))
    if soir:
        day += datetime.timedelta(days=1)
    soir = 1 - soir
text = "\n".join([src[0]] + rows[::-1] + src[1:])
with zipfile.ZipFile(work + "/keno_202010.zip", "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("keno_202010.csv", text)
PY
(cd "$work" && exec python3 -m http.server 0 --bind 127.0.0.1 >"$work/server.log" 2>&1) &
server=$!
for _ in $(seq 50); do
    port=$(grep -o 'port [0-9]*' "$work/server.log" | grep -o '[0-9]*' || true)
    [ -n "$port" ] && break
    sleep 0.1
done
mkdir -p "$work/home"
"$bin/tirvex-cli" --home "$work/home" --settings "$work/s.ini" --no-save \
    import data/keno/*.csv >/dev/null
cp "$work/home/Tirvex.dat" "$work/Tirvex.before"
floor() { "$bin/tirvex-cli" --home "$work/home" --settings "$work/s.ini" --no-save --today 10.06.2026 load >/dev/null; }
run() {
    cp "$work/Tirvex.before" "$work/home/Tirvex.dat"
    rm -f "$work/home/ResultatsFDJ.cache"
    "$bin/tirvex-cli" --home "$work/home" --settings "$work/s.ini" --no-save --today 10.06.2026 \
        --results "http://127.0.0.1:$port/keno_202010.zip" update
}
echo "update: $(run | grep 'Résultats FDJ :' | tail -1)"
TIMEFORMAT='%3R s'
echo -n "floor (load):  "; { time floor; } 2>&1
echo -n "update (year): "; { time run >/dev/null; } 2>&1
