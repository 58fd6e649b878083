# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 64-bit Windows with Debian's MinGW-w64 (GCC, posix
# threads, so that std::thread and friends work). Used for Qt itself and for
# Brovaci; programs built here run on the build machine only through wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BROVACI_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${BROVACI_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BROVACI_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${BROVACI_MINGW_TRIPLET}-windres)
set(CMAKE_STRIP ${BROVACI_MINGW_TRIPLET}-strip)

# Libraries and headers come from the MinGW root (and the cross-built Qt, which
# the caller adds to CMAKE_PREFIX_PATH); build tools come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${BROVACI_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
