#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every command of tirvex-cli at least once on the bundled real history,
# with a fixed today and seed, and prints what each invocation wrote to
# standard output and standard error, its exit status and the files it left
# in Home. Two builds that behave alike print the same bytes:
#   bash tests/cli/script/cli-session.sh build/bin/tirvex-cli > after.txt
# (run it under scripts/offline.sh: the update asks 127.0.0.1 only).
set -uo pipefail
cli=$(realpath "$1")
data=$(realpath "$(dirname "$0")/../../../data/keno")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# The history is made from the bundled files, as at a first start.
first_options=(--home "$home" --settings "$home/s.ini" --today 15.06.2025
               --results http://127.0.0.1:1/keno.zip)
options=("${first_options[@]}" --seed 4711)

run() {
    echo "\$ tirvex-cli $*"
    "$cli" "${options[@]}" "$@" >"$home/.out" 2>"$home/.err"
    local status=$?
    cat "$home/.out"
    echo "--- stderr"
    cat "$home/.err"
    echo "--- exit $status"
}

show() {
    echo "--- file $1"
    if [ -f "$home/$1" ]; then
        od -c "$home/$1" | tail -n 3
        md5sum <"$home/$1"
    else
        echo "(none)"
    fi
}

# Home's path differs from run to run: messages name it as HOME, and the
# bundled files' folder as DATA.
{
run --help
run --version
run tips
run get DateTimePicker1
show Tirvex.dat
run date 24.11.2022 load back forward check tips
run set UpDown18 6 get UpDown18 set CheckBox28 0 get CheckBox28 set ComboBox1 2 get ComboBox1
run from 01.01.2024 get DateTimePicker2
run clear add 01,02,03,04,05,06 add 07,08,09,10,11,12 add 13,14,15 tips remove 2 \
    edit 1 03,04,05,06,07,08 tips check
run clear generate tips filters
run stats numbers
run stats overdue
run stats crosssum
run stats tips
run stats pairs
run stats triples
run stats quads
run lucky 4711 lucky
run evaluate
run save "$home/liste.hlt" clear tips open "$home/liste.hlt" tips print
show Tipp.txt
run search 6
for k in 1 2 3 4 5 6 7; do
    run date 20.05.2025 backtest $k 17
    show Analyse.txt
done
run odds 2 odds 6 odds 10
run date 20.05.2025 strategy 17
show Strategie.txt
show Strategie.csv
run handoff
run enter 14.06.2025 midi 2 0123456 01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20 \
    date 14.06.2025 load delete
show Tirvex.dat
run enter 04.06.2025 soir 2 0123456 01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20
run enter 04.06.2025 midi 2 0123456 01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20
run --yes enter 03.06.2025 midi 2 0123456 01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20
run import "$data"/*.csv
run --yes import "$data"/*.csv
show Tirvex.dat
run update
run activate tips
run set UpDwn18 6
run get CheckBox99
run frobnicate
run backtest 9
show tipps.txt
show s.ini
} 2>&1 | sed -e "s|$home|HOME|g" -e "s|$data|DATA|g"
