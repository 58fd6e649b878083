#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a cross-built Windows program under wine, with the cross-built Qt and
# the MinGW runtime on its DLL path, in a wine prefix of the build's own.
# The cross emulator of the Windows build, for the icon tool and the tests.
#   run.sh QT_PREFIX WINEPREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
qt=$1
export WINEPREFIX=$2
shift 2
windows() { echo "Z:${1//\//\\}"; }
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="$(windows "$qt/bin");$(windows "$runtime");$(windows "$pthread")"
# Wine keeps the host's QT_ variables from Windows programs, so that a host
# setting cannot break them; one spelt WINEQT_ reaches them as QT_. Qt finds
# its plugins beside its DLLs.
for name in $(compgen -v QT_ || true); do
    [ "$name" = QT_PLUGIN_PATH ] || export "WINE$name=${!name}"
done
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and their installers would ask;
# no menu entries on the host for shortcuts made inside the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
# The prefix is made once; tests that start together wait for it.
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    if [ ! -f "$WINEPREFIX/.brovaci-ready" ]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
        touch "$WINEPREFIX/.brovaci-ready"
    fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
