#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves both package lists of install-deps.sh complete: every CMake file the
# configure step read from outside the project (package configurations, find
# modules) and every library pkg-config found must belong to a Debian package
# on the list or in its dependency closure. It checks
#   build/           (or the folder given) against the full list, and
#   build-programs/  (the "programs" preset, configured here when it is not)
#                    against the list of install-deps.sh --run.
# A machine that has a package from earlier work configures without it on the
# list; this check does not pass there.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check BUILD [--run]: the configure step of BUILD against the chosen list.
check() {
    local build=$1
    shift
    local list=(bash scripts/install-deps.sh --list "$@")
    local label="install-deps.sh${*:+ $*}"
    if [ ! -f "$build/CMakeCache.txt" ]; then
        echo "check-deps: $build is not configured" >&2
        return 1
    fi
    rm -f "$work"/*

    # Ask the file API for the CMake input files, and configure again to get them.
    mkdir -p "$build/.cmake/api/v1/query"
    touch "$build/.cmake/api/v1/query/cmakeFiles-v1"
    cmake "$build" >/dev/null
    cmake -DREPLY="$build/.cmake/api/v1/reply" -DOUT="$work/files" -P scripts/cmake-inputs.cmake
    sed -n 's/^pkgcfg_lib_[^:]*:FILEPATH=//p' "$build/CMakeCache.txt" >>"$work/files"
    sort -u -o "$work/files" "$work/files"

    # The packages that hold them: dpkg -S answers "pkg:arch, pkg2: path" for each
    # path it knows. A path through a symbolic link is looked up as it resolves.
    local -A owner=()
    local line file resolved package found status=0
    while IFS= read -r line; do
        owner["${line#*: }"]=${line%%: *}
    done < <(lookup <"$work/files")
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
        --no-breaks --no-replaces --no-enhances $("${list[@]}") |
        sed -n 's/^\([^ <][^ ]*\)$/\1/p' | sed 's/:.*//' | sort -u >"$work/closure"

    # One line per package that is missing from the list, naming one of its files.
    local -A missing=()
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
            echo "check-deps: ${owner[$file]%%:*} holds $file but $label does not install it" >&2
            status=1
        fi
    done <"$work/files"
    if [ $status -eq 0 ]; then
        packages=$(for file in "${!owner[@]}"; do echo "${owner[$file]}"; done | sort -u | wc -l)
        echo "check-deps: the $(wc -l <"$work/files") files the configure step of $build loaded come from $packages packages that $label installs"
    fi
    return $status
}
lookup() {
    xargs -d '\n' dpkg -S 2>/dev/null | grep -v '^diversion ' || true
}

status=0
check "${1:-build}" || status=1
if [ ! -f build-programs/CMakeCache.txt ]; then
    cmake --preset programs >/dev/null
fi
check build-programs --run || status=1
exit $status
