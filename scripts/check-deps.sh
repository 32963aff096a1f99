#!/usr/bin/env bash
# Proves the package list of install-deps.sh complete: every CMake file the
# configure step of build/ read from outside the project (package
# configurations, find modules) and every library pkg-config found must
# belong to a Debian package on that list or in its dependency closure. A
# machine that has a package from earlier work configures without it on the
# list; this check does not pass there.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "check-deps: $build is not configured" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Ask the file API for the CMake input files, and configure again to get them.
mkdir -p "$build/.cmake/api/v1/query"
touch "$build/.cmake/api/v1/query/cmakeFiles-v1"
cmake "$build" >/dev/null
cmake -DREPLY="$build/.cmake/api/v1/reply" -DOUT="$work/files" -P scripts/cmake-inputs.cmake
sed -n 's/^pkgcfg_lib_[^:]*:FILEPATH=//p' "$build/CMakeCache.txt" >>"$work/files"
sort -u -o "$work/files" "$work/files"

# The packages that hold them: dpkg -S answers "pkg:arch, pkg2: path" for each
# path it knows. A path through a symbolic link is looked up as it resolves.
declare -A owner
lookup() {
    xargs -d '\n' dpkg -S 2>/dev/null | grep -v '^diversion ' || true
}
while IFS= read -r line; do
    owner["${line#*: }"]=${line%%: *}
done < <(lookup <"$work/files")
status=0
while IFS= read -r file; do
    if [ -z "${owner[$file]:-}" ]; then
        resolved=$(realpath "$file")
        owner[$file]=$(printf '%s\n' "$resolved" | lookup | sed -n '1s/: .*//p')
    fi
    if [ -z "${owner[$file]}" ]; then
        echo "check-deps: no Debian package holds $file" >&2
        status=1
    fi
done <"$work/files"

# The listed packages and everything they depend on, through the packages
# that provide a virtual one (apt-get installs one of them).
apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
    --no-breaks --no-replaces --no-enhances $(bash scripts/install-deps.sh --list) |
    sed -n 's/^\([^ <][^ ]*\)$/\1/p' | sed 's/:.*//' | sort -u >"$work/closure"

# One line per package that is missing from the list, naming one of its files.
declare -A missing
while IFS= read -r file; do
    [ -n "${owner[$file]}" ] || continue
    found=false
    for package in ${owner[$file]//,/ }; do
        if grep -qxF "${package%%:*}" "$work/closure"; then
            found=true
        fi
    done
    if ! $found && [ -z "${missing[${owner[$file]}]:-}" ]; then
        missing[${owner[$file]}]=$file
        echo "check-deps: ${owner[$file]%%:*} holds $file but install-deps.sh does not install it" >&2
        status=1
    fi
done <"$work/files"
if [ $status -eq 0 ]; then
    packages=$(for file in "${!owner[@]}"; do echo "${owner[$file]}"; done | sort -u | wc -l)
    echo "check-deps: the $(wc -l <"$work/files") files the build loaded come from $packages packages that install-deps.sh installs"
fi
exit $status
