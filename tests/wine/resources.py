# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the resources back from the built Brovaci.exe: the program icon in
three images of 16, 32 and 48 pixels, and the version block naming the
product, the internal and the original file name and the version.
    python3 resources.py BROVACI.EXE VERSION MAJOR.MINOR.PATCH.TWEAK"""
import struct
import sys

import pefile

exe, version, binary = sys.argv[1], sys.argv[2], sys.argv[3]
pe = pefile.PE(exe)
failures = []
passes = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    (passes if condition else failures).append(what)


check(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE['IMAGE_SUBSYSTEM_WINDOWS_GUI'],
      'a windowed program (GUI subsystem)')
check(pe.FILE_HEADER.Machine == pefile.MACHINE_TYPE['IMAGE_FILE_MACHINE_AMD64'], 'for 64-bit Windows')

# The icon group: its directory lists each image's width and height.
sizes = []
for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
    if entry.id != pefile.RESOURCE_TYPE['RT_GROUP_ICON']:
        continue
    for name in entry.directory.entries:
        for language in name.directory.entries:
            data = pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
            _, kind, count = struct.unpack_from('<HHH', data, 0)
            for i in range(count):
                width, height = struct.unpack_from('<BB', data, 6 + 14 * i)
                sizes.append((width or 256, height or 256))
check(sorted(sizes) == [(16, 16), (32, 32), (48, 48)], 'the icon has three images, 16, 32 and 48 pixels: %s' % sorted(sizes))

strings = {}
for info in getattr(pe, 'FileInfo', []):
    for block in info:
        for table in getattr(block, 'StringTable', []):
            for key, value in table.entries.items():
                strings[key.decode()] = value.decode()
for key, expected in [('ProductName', 'Brovaci'), ('InternalName', 'Brovaci'),
                      ('OriginalFilename', 'Brovaci.exe'), ('FileVersion', version),
                      ('ProductVersion', version)]:
    check(strings.get(key) == expected, '%s is "%s" (found "%s")' % (key, expected, strings.get(key)))

fixed = pe.VS_FIXEDFILEINFO[0]
found = '%d.%d.%d.%d' % (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                         fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
check(found == binary, 'the binary version is %s (found %s)' % (binary, found))

print('%d passed, %d failed' % (len(passes), len(failures)))
sys.exit(1 if failures else 0)
