#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Brovaci in a fresh Debian root, from this machine: the root is made with
# mmdebstrap from the archive the machine already uses (the suite changed),
# and the source goes in as an exported tree. As root.
#
# Another release: there the README's own commands run: the suite
# (`scripts/test`, every end-to-end test included) and `scripts/package` with
# that release's lintian. The package comes out to dist/ and is installed,
# started and purged in another fresh root of the same release.
#   tests/release/leg.sh SUITE                          (trixie, say)
#
# The suite under the sanitizers, with nothing in the root but what
# `scripts/test` installs there: what the sanitizers report then does not
# depend on what else this machine has. --runs N runs the suite N times on
# one build; --with PACKAGE installs PACKAGE, with its recommended packages,
# beside them first, as a user's desktop has a browser.
#   tests/release/leg.sh --sanitize [--runs N] [--with PACKAGE]... SUITE
# BROVACI_KEEP_ROOT=1 keeps the root afterwards, and says where.
set -euo pipefail
sanitize=false runs=1 extra=()
while [ $# -gt 1 ]; do
    case "$1" in
        --sanitize) sanitize=true ;;
        --runs) runs=$2; shift ;;
        --with) extra+=("$2"); shift ;;
        *) break ;;
    esac
    shift
done
suite=${1:?usage: leg.sh [--sanitize [--runs N] [--with PACKAGE]...] SUITE}
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
source "$top/tests/package/fetcherror.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
[[ $runs =~ ^[1-9][0-9]*$ ]] || fail "--runs takes a number of runs, not \"$runs\""
[ "$(id -u)" -eq 0 ] || fail "the $suite leg runs as root"
command -v mmdebstrap >/dev/null || fail "mmdebstrap is not installed"
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$codename" ] || fail "this machine names no Debian release"

work=$(mktemp -d "${TMPDIR:-/var/tmp}/brovaci-$suite.XXXXXX")
cleanup() {
    if [ "${BROVACI_KEEP_ROOT:-}" = 1 ]; then echo "the $suite root is kept in $work/root"; else rm -rf "$work"; fi
}
trap cleanup EXIT
started=$SECONDS

echo "== A fresh $suite root, from this machine's archive"
python3 "$top/scripts/sources.py" --type deb "$codename" "$suite" >"$work/$suite.sources"
[ -s "$work/$suite.sources" ] || fail "this machine uses no Debian archive for $codename"
mmdebstrap --variant=apt "$suite" "$work/root" "$work/$suite.sources" >"$work/mmdebstrap.log" 2>&1 ||
    root_failed "$work/mmdebstrap.log" "mmdebstrap could not make a $suite root"
grep -E '^(PRETTY_NAME)=' "$work/root/etc/os-release"

# The tree as it stands, without .git: what git would track, or, outside a
# checkout, everything but build folders and dist/.
mkdir "$work/root/src"
if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$top" && git ls-files -z -co --exclude-standard | tar --null --ignore-failed-read -T - -cf - 2>/dev/null)
else
    (cd "$top" && tar --exclude='./build*' --exclude='./dist' -cf - .)
fi | tar -x -C "$work/root/src"

if $sanitize; then
    # The packages scripts/test installs, the ones named with --with, and the
    # sanitize workflow (configure, build, the suite), then the suite again.
    echo "== In $suite: the suite under the sanitizers, $runs time(s)${extra[*]:+, beside ${extra[*]}}"
    status=0
    "$here/inroot.sh" "$work/root" bash -c '
        set -euo pipefail
        cd /src && apt-get update -q >/dev/null
        source scripts/deps.sh
        need_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" >/dev/null
        if [ $# -gt 0 ]; then
            echo "installing $* with the packages they recommend"
            DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$@" >/dev/null
        fi
        export CMAKE_BUILD_PARALLEL_LEVEL=$(nproc) CTEST_PARALLEL_LEVEL=$(nproc)
        cmake --workflow --preset sanitize
        echo "run 1 of '"$runs"' passed"
        for run in $(seq 2 '"$runs"'); do
            ctest --preset sanitize
            echo "run $run of '"$runs"' passed"
        done' sanitize "${extra[@]}" 2>&1 | tee "$work/leg.log" | sed -u "s/^/[$suite] /" || status=$?
    [ "$status" -eq 0 ] || root_failed "$work/leg.log" "the suite under the sanitizers did not pass in $suite (above)"
    echo "the sanitizers' leg passed in $suite in $(((SECONDS - started) / 60)) min"
    exit 0
fi

echo "== In $suite: scripts/test, then scripts/package"
status=0
"$here/inroot.sh" "$work/root" bash -c 'cd /src && apt-get update -q >/dev/null && scripts/test && scripts/package' \
    2>&1 | tee "$work/leg.log" | sed -u "s/^/[$suite] /" || status=$?
[ "$status" -eq 0 ] || root_failed "$work/leg.log" "the $suite suite or package did not pass (above)"
deb=$(find "$work/root/src/dist" -name "brovaci_*~${suite}1_*.deb" | head -n 1)
[ -n "$deb" ] || fail "scripts/package in $suite wrote no brovaci_*~${suite}1_*.deb"
mkdir -p "$top/dist"
cp "$deb" "$top/dist/"
deb=$top/dist/$(basename "$deb")
echo "== $(basename "$deb"): installed, started and purged in a fresh $suite root"
# The picture probe of this machine's build reads the screenshots there.
probe=$top/build/tests/shotprobe
if [ ! -x "$probe" ]; then
    cmake --preset default -S "$top" >/dev/null
    cmake --build "$top/build" --target shotprobe >/dev/null
fi
"$top/tests/package/cleanroom.sh" "$deb" "$probe" "$suite"
echo "the $suite leg passed in $(((SECONDS - started) / 60)) min"
