#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Gathers Brovaci for Windows into one folder, as the zip and the installer
# carry it: Brovaci.exe, the Qt and MinGW runtime DLLs it loads, the
# platform and style plugins, all stripped; the licence texts of all of it;
# and LEGGIMI.txt, which says what it is and where its source is.
#   deploy.sh BROVACI.EXE QT_PREFIX VERSION SOURCE_ROOT OUT_FOLDER
set -euo pipefail
exe=$1 qt=$2 version=$3 root=$4 out=$5
triplet=x86_64-w64-mingw32
rm -rf "$out"
mkdir -p "$out/platforms" "$out/styles" "$out/licenses"

cp "$exe" "$out/Brovaci.exe"
cp "$qt/plugins/platforms/qwindows.dll" "$out/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$out/styles/"
# Every DLL they import that is not the system's, found in Qt or the MinGW
# runtime, and what those import in turn.
dirs=("$qt/bin" "$(dirname "$($triplet-g++-posix -print-file-name=libstdc++-6.dll)")"
      "$(dirname "$($triplet-g++-posix -print-file-name=libwinpthread-1.dll)")")
queue=("$out/Brovaci.exe" "$out/platforms/qwindows.dll" "$out/styles/qwindowsvistastyle.dll")
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    for dll in $($triplet-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
        [ -e "$out/$dll" ] && continue
        for dir in "${dirs[@]}"; do
            if [ -e "$dir/$dll" ]; then
                cp "$dir/$dll" "$out/$dll"
                queue+=("$out/$dll")
                break
            fi
        done
    done
done
find "$out" -name '*.dll' -o -name '*.exe' | xargs $triplet-strip --strip-unneeded

# The licences: Brovaci's, Qt's, the code Qt bundles into these DLLs, and
# the MinGW runtime's.
cp "$root/LICENSES/GPL-3.0-or-later.txt" "$out/licenses/Brovaci-GPL-3.0-or-later.txt"
cp -r "$qt/licenses/Qt" "$out/licenses/Qt"
cp "$qt/licenses/qt6-base-copyright.txt" "$qt/licenses/qt-build.txt" "$out/licenses/Qt/"
mkdir -p "$out/licenses/Qt/3rdparty"
for part in blake2 double-conversion easing freetype harfbuzz-ng icc libpng md4 md4c md5 pcre2 pixman rfc6234 \
            sha1 sha3 tinycbor zlib; do
    [ -d "$qt/licenses/3rdparty/$part" ] && cp -r "$qt/licenses/3rdparty/$part" "$out/licenses/Qt/3rdparty/"
done
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$out/licenses/MinGW-gcc-runtime-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$out/licenses/MinGW-w64-copyright.txt"

qt_version=$(cat "$qt/.complete")
gcc_version=$(dpkg-query -W -f='${Version}' gcc-mingw-w64-x86-64-posix-runtime)
mingw_version=$(dpkg-query -W -f='${Version}' mingw-w64-common)
sed -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/$qt_version/g" -e "s/@GCC_VERSION@/$gcc_version/g" \
    -e "s/@MINGW_VERSION@/$mingw_version/g" "$root/packaging/windows/LEGGIMI.txt.in" |
    sed 's/$/\r/' >"$out/LEGGIMI.txt"
