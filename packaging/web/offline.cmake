# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the page's service worker, with the names of the files it keeps and
# a key made from their content.
#   cmake -DSW=sw.js.in -DOUT=sw.js -DFILES="a;b;..." -P offline.cmake
# packaging/web/CMakeLists.txt runs it with the page's files, once they are built.
set(digests "")
set(names "")
foreach(file IN LISTS FILES)
  file(SHA256 ${file} digest)
  get_filename_component(name ${file} NAME)
  string(APPEND digests "${name} ${digest}\n")
  list(APPEND names "\"${name}\"")
endforeach()
string(SHA256 key "${digests}")
string(SUBSTRING ${key} 0 16 BROVACI_OFFLINE_KEY)
list(JOIN names ", " BROVACI_OFFLINE_FILES)
configure_file(${SW} ${OUT} @ONLY)
