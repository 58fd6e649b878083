# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the page with the program's size in bytes and its version.
#   cmake -DWASM=brovaci.wasm -DPAGE=index.html.in -DOUT=index.html -DVERSION=<version> -P page.cmake
# packaging/web/CMakeLists.txt runs it with the version of the top CMakeLists.txt.
file(SIZE ${WASM} BROVACI_WASM_BYTES)
set(BROVACI_VERSION ${VERSION})
configure_file(${PAGE} ${OUT} @ONLY)
