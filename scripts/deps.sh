# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing, with sudo when not root.
# Sourced by scripts/run and scripts/test:  need_packages PACKAGE...

# The releases whose package names the lists below follow: Debian 12 and
# Debian 13. Anywhere else the scripts say so and stop, rather than fail half
# way; BROVACI_ANY_RELEASE=1 lets them try all the same.
SUPPORTED_RELEASES="Debian 12 (bookworm) and Debian 13 (trixie)"
check_release() {
    local id="" codename="" pretty="an unknown system"
    if [ -r /etc/os-release ]; then
        id=$(. /etc/os-release && echo "${ID:-}")
        codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
        pretty=$(. /etc/os-release && echo "${PRETTY_NAME:-$id}")
    fi
    if [ "$id" = debian ] && { [ "$codename" = bookworm ] || [ "$codename" = trixie ]; }; then
        return 0
    fi
    [ "${BROVACI_ANY_RELEASE:-}" = 1 ] && return 0
    echo "Brovaci's scripts install what they need on $SUPPORTED_RELEASES;" >&2
    echo "this system is $pretty. See \"Building by hand\" in HACKING.md for what" >&2
    echo "it needs, or set BROVACI_ANY_RELEASE=1 to try these scripts anyway." >&2
    exit 1
}

# The supported Debian release that this machine is not: its leg runs in a
# fresh root of that release.
other_release() {
    case "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" in
        trixie) echo bookworm ;;
        *) echo trixie ;;
    esac
}

need_packages() {
    check_release
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Brovaci needs these Debian packages, which are not installed:"
    printf '  %s\n' "${missing[@]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing them with: ${sudo[*]} apt-get install ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# To build: compiler, CMake, Qt 6 Widgets, xcb for the X11 window watch, and
# the fonts the window uses.
BUILD_PACKAGES=(g++ cmake make qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core)
# To make the Debian package and check it: dpkg-shlibdeps, lintian, and
# mmdebstrap for the clean-room install.
PACKAGE_PACKAGES=(dpkg-dev lintian mmdebstrap)
# To run every test: an X server, input and screenshots, a Wayland compositor,
# the accessibility bus and a client of it, the validators of the desktop
# entry, the Windows resource compiler and icotool for the icon it holds,
# clang with libFuzzer, and Google Benchmark for the benchmark program,
# reuse for the licence lines and clang-format for the code's layout.
# Every name here is the same in both releases: libclang-rt-dev is the
# runtime of the release's own clang (14 in Debian 12, 19 in Debian 13).
TEST_PACKAGES=(xvfb xauth xdotool imagemagick weston qt6-wayland
               at-spi2-core dbus-x11 python3-pyatspi
               desktop-file-utils appstream file binutils-mingw-w64-x86-64 icoutils reuse
               clang libclang-rt-dev libbenchmark-dev clang-format)

# To cross-build Brovaci.exe, package it and test it under wine: MinGW-w64
# with posix threads, Ninja for Qt's own build, wine, wixl for the MSI, the
# resource readers, zip and Xvfb.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build
                  dpkg-dev wine wine64 wixl msitools icoutils python3-pefile
                  fonts-wine zip unzip xvfb xauth xdotool imagemagick)

# Runs a long build in the background at the lowest priority, its output in
# LOG; its process id is left in $background. Linux schedules each session as
# one group, and a session of its own would get a full share whatever its
# nice value: the group's own priority is lowered too.
#   in_background LOG COMMAND...
in_background() {
    local log=$1
    shift
    setsid bash -c 'echo 19 >/proc/self/autogroup 2>/dev/null || true; exec nice -n 19 "$@"' in_background "$@" \
        >"$log" 2>&1 &
    background=$!
}

# Makes `apt-get source` work: a deb-src entry beside every configured deb
# entry of this release's Debian archive, as the machine already uses it.
need_deb_src() {
    local pkg=${1:-qt6-base}
    apt-get source --print-uris --only-source "$pkg" >/dev/null 2>&1 && return 0
    local codename sources
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || { echo "no release codename in /etc/os-release" >&2; return 1; }
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    sources=$(python3 "$(dirname "${BASH_SOURCE[0]}")/sources.py" "$codename")
    [ -n "$sources" ] || { echo "no Debian archive for $codename is configured" >&2; return 1; }
    echo "Adding source entries for $codename beside its package entries:"
    echo "$sources" | sed 's/^/  /'
    echo "$sources" | "${sudo[@]}" tee /etc/apt/sources.list.d/brovaci-deb-src.sources >/dev/null
    "${sudo[@]}" apt-get update >/dev/null
    apt-get source --print-uris --only-source "$pkg" >/dev/null 2>&1 ||
        { echo "apt-get source $pkg does not work even with these entries" >&2; return 1; }
}
