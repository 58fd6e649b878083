# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing, with sudo when not root.
# Sourced by scripts/run and scripts/test:  need_packages PACKAGE...
need_packages() {
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

# To build: compiler, CMake, Qt 6 Widgets, and the fonts the window uses.
BUILD_PACKAGES=(g++ cmake make qt6-base-dev libgl-dev fonts-dejavu-core)
# To make the Debian package and check it: dpkg-shlibdeps, lintian, and
# mmdebstrap for the clean-room install.
PACKAGE_PACKAGES=(dpkg-dev lintian mmdebstrap)
# To run every test: an X server, input and screenshots, a Wayland compositor,
# the accessibility bus and a client of it, the validators of the desktop
# entry, the Windows resource compiler, clang with libFuzzer, and Google
# Benchmark for the benchmark program, and reuse for the licence lines.
TEST_PACKAGES=(xvfb xauth xdotool imagemagick weston qt6-wayland
               at-spi2-core dbus-x11 python3-pyatspi
               desktop-file-utils appstream file binutils-mingw-w64-x86-64 reuse
               clang libclang-rt-14-dev libbenchmark-dev)
