#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source file of the project the licence line it needs:
#   // SPDX-License-Identifier: GPL-3.0-or-later
# at the top of each C++ source and header under src/, tools/, tests/ and
# benchmarks/, and the same after "#" at the top of every CMakeLists.txt,
# *.cmake, *.sh and *.py file and of .ci/run (after the "#!" line of a
# script). Only the files git tracks are looked at, so build trees stay out.
#   spdx.sh           adds the line where it is missing
#   spdx.sh --check   lists the files that lack it; exit status 1 if any do
set -euo pipefail
cd "$(dirname "$0")/.."
identifier="SPDX-License-Identifier: GPL-3.0-or-later"
check=false
case "${1:-}" in
--check) check=true ;;
"") ;;
*)
    echo "usage: spdx.sh [--check]" >&2
    exit 2
    ;;
esac

# One line per file: the comment marker it takes, a tab, its path.
files() {
    git ls-files -z -- src tools tests benchmarks |
        grep -zE '\.(cpp|h|hpp|cc|cxx|hh)$' | tr '\0' '\n' | sed 's|^|//\t|'
    git ls-files -z |
        grep -zE '(^|/)CMakeLists\.txt$|\.(cmake|sh|py)$|^\.ci/run$' | tr '\0' '\n' | sed 's|^|#\t|'
}

# A file has the line when one of its first two lines carries it (the
# second one after a "#!" line).
has_line() {
    head -n 2 "$1" | grep -qF "$identifier"
}

missing=0
while IFS=$'\t' read -r marker file; do
    [ -f "$file" ] || continue
    if has_line "$file"; then
        continue
    fi
    missing=$((missing + 1))
    if $check; then
        echo "$file"
        continue
    fi
    line="$marker $identifier"
    if [ ! -s "$file" ]; then
        printf '%s\n' "$line" >"$file"
    elif head -n 1 "$file" | grep -q '^#!'; then
        sed -i "1a $line" "$file"
    else
        sed -i "1i $line" "$file"
    fi
done < <(files)

if $check; then
    [ $missing -eq 0 ] || {
        echo "spdx: $missing files lack \"$identifier\"" >&2
        exit 1
    }
    exit 0
fi
echo "spdx: added the licence line to $missing files"
