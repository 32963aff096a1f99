#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package as a packager and a user would see it:
#   - builds the programs and the package (cpack -G DEB) in BUILD, by default
#     build-programs/ (the "programs" preset); CI passes build/, which the
#     tests have built already;
#   - lintian: no error and no warning (the info and pedantic tags are
#     printed); appstreamcli validate and desktop-file-validate on the files
#     in the package; the hardening of the three programs (readelf);
#   - installs it with apt-get (as root or through sudo), and checks that
#     "man -w tirvex-cli" finds the page and that the programs print the
#     package's version;
#   - builds the package of a new commit (an empty commit on top of HEAD in a
#     scratch clone of the repository, which the build's version step reads
#     instead of the checkout's) and installs it over the first one: the
#     installed version must change.
#   package-check.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
build=${1:-build-programs}
bash scripts/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
fail() {
    echo "package-check: $*" >&2
    exit 1
}

export CCACHE_BASEDIR="$source"
if [ ! -f "$build/CMakeCache.txt" ] || [ ! -f "$build/build.ninja" ]; then
    cmake --preset programs -B "$build" >/dev/null
fi
# What the package holds: the programs, their manual pages, the changelog.
targets=(tirvex_version_files tirvex tirvex-cli tirvex-drawservice tirvex_manpages)
# package: builds what the package holds and makes it; prints its file.
package() {
    cmake --build "$build" -j2 --target "${targets[@]}" >"$work/build.log" || {
        tail -n 40 "$work/build.log" >&2
        fail "the build failed"
    }
    rm -f "$build"/tirvex_*.deb
    (cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || {
        cat "$work/cpack.log" >&2
        fail "cpack failed"
    }
    ls "$build"/tirvex_*.deb
}
first=$(package)
echo "package-check: built $first"

# Lintian, with every tag shown; an error or a warning fails.
if ! lintian --display-info --pedantic --fail-on error,warning "$first" >"$work/lintian.txt" 2>&1; then
    cat "$work/lintian.txt" >&2
    fail "lintian reports errors or warnings"
fi
# Lintian's remark that it runs as root is no finding.
sed -i '/running with root privileges/d' "$work/lintian.txt"
if [ -s "$work/lintian.txt" ]; then
    echo "package-check: lintian: no error, no warning; the info and pedantic tags:"
    sed 's/^/    /' "$work/lintian.txt"
else
    echo "package-check: lintian: no tag at all"
fi

# The files as the package holds them.
dpkg-deb -x "$first" "$work/root"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$work/root/usr/share/applications/tirvex.desktop"
echo "package-check: the AppStream metainfo and the desktop entry validate"
for program in tirvex tirvex-cli tirvex-drawservice; do
    file=$work/root/usr/bin/$program
    readelf -hW "$file" | grep 'Type:.*DYN' >/dev/null || fail "$program is not position independent"
    readelf -lW "$file" | grep GNU_RELRO >/dev/null || fail "$program has no relro segment"
    readelf -dW "$file" | grep -E 'BIND_NOW|FLAGS.*NOW' >/dev/null || fail "$program is not linked with -z now"
    readelf -W --dyn-syms "$file" | grep __stack_chk_fail >/dev/null || fail "$program has no stack protector"
done
# A program whose every copy has a size the compiler knows calls no __*_chk
# function at all, so the fortification is checked where it is decided: every
# compile command of the build defines _FORTIFY_SOURCE=2.
unfortified=$(grep -F '"command":' "$build/compile_commands.json" |
    grep -vF -- '-D_FORTIFY_SOURCE=2' | grep -o '[^ ]*\.cpp' || true)
[ -z "$unfortified" ] || fail "compiled without -D_FORTIFY_SOURCE=2: $unfortified"
echo "package-check: the three programs are PIE, relro, BIND_NOW and stack-protected; every source was compiled with -D_FORTIFY_SOURCE=2"

installed_version() {
    dpkg-query -W -f='${Version}' tirvex
}
install_package() {
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
        --no-install-recommends "$1" >"$work/apt.log" 2>&1 || {
        cat "$work/apt.log" >&2
        fail "apt-get install $1 failed"
    }
}
# The version the programs print is the package's, without its Debian revision.
check_versions() {
    local expected=${1%-*}
    [ "$(tirvex-cli --version)" = "tirvex-cli $expected" ] ||
        fail "tirvex-cli --version printed \"$(tirvex-cli --version)\", not $expected"
    [ "$(tirvex-drawservice --version)" = "tirvex-drawservice $expected" ] ||
        fail "tirvex-drawservice --version printed \"$(tirvex-drawservice --version)\", not $expected"
}
# A machine that had no tirvex installed has none after the check either.
if ! dpkg-query -W -f='${Status}' tirvex 2>/dev/null | grep "install ok installed" >/dev/null; then
    trap 'DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq tirvex >/dev/null 2>&1 || true
        rm -rf "$work"' EXIT
fi
install_package "$(realpath "$first")"
before=$(installed_version)
page=$(man -w tirvex-cli) || fail "man -w tirvex-cli finds no page"
man tirvex-cli 2>/dev/null | grep 'tirvex-cli' >/dev/null || fail "man tirvex-cli shows no text"
check_versions "$before"
echo "package-check: installed $before; man -w tirvex-cli: $page; tirvex-cli --version: $(tirvex-cli --version)"

# A new commit: the same tree on top of HEAD in a scratch clone. The build's
# version step asks git, which the environment points at that clone.
git clone --quiet --no-checkout "$source" "$work/repo"
head=$(git rev-parse HEAD)
commit=$(git -C "$work/repo" -c user.name=package-check -c user.email=package-check@localhost \
    commit-tree "$head^{tree}" -p "$head" -m "package-check: a newer commit")
git -C "$work/repo" update-ref --no-deref HEAD "$commit"
git -C "$work/repo" read-tree HEAD
second=$(GIT_DIR="$work/repo/.git" GIT_WORK_TREE="$source" package)
install_package "$(realpath "$second")"
after=$(installed_version)
dpkg --compare-versions "$after" gt "$before" || fail "the newer package installed $after over $before"
check_versions "$after"
echo "package-check: the package of a newer commit, $after, installed over $before"
# The build tree goes back to the checkout's own version.
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null
