# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the resources back from the built Brovaci.exe: the program icon in
three images of 16, 32 and 48 pixels, and the version block naming the
product, the internal and the original file name and the version.
    python3 resources.py BROVACI.EXE VERSION MAJOR.MINOR.PATCH.TWEAK"""
import struct
import sys
import unittest

import pefile

if len(sys.argv) != 4:
    sys.exit(__doc__)
EXE, VERSION, BINARY = sys.argv[1:4]


class Resources(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(EXE)

    def test_a_windowed_program(self):
        self.assertEqual(self.pe.OPTIONAL_HEADER.Subsystem, pefile.SUBSYSTEM_TYPE['IMAGE_SUBSYSTEM_WINDOWS_GUI'])

    def test_for_64_bit_windows(self):
        self.assertEqual(self.pe.FILE_HEADER.Machine, pefile.MACHINE_TYPE['IMAGE_FILE_MACHINE_AMD64'])

    def test_the_icon_has_three_images_of_16_32_and_48_pixels(self):
        # The icon group: its directory lists each image's width and height.
        sizes = []
        for entry in self.pe.DIRECTORY_ENTRY_RESOURCE.entries:
            if entry.id != pefile.RESOURCE_TYPE['RT_GROUP_ICON']:
                continue
            for name in entry.directory.entries:
                for language in name.directory.entries:
                    data = self.pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
                    _, _, count = struct.unpack_from('<HHH', data, 0)
                    for i in range(count):
                        width, height = struct.unpack_from('<BB', data, 6 + 14 * i)
                        sizes.append((width or 256, height or 256))
        self.assertEqual(sorted(sizes), [(16, 16), (32, 32), (48, 48)])

    def test_the_version_block_names_the_product_the_file_and_the_version(self):
        strings = {}
        for info in getattr(self.pe, 'FileInfo', []):
            for block in info:
                for table in getattr(block, 'StringTable', []):
                    for key, value in table.entries.items():
                        strings[key.decode()] = value.decode()
        for key, expected in [('ProductName', 'Brovaci'), ('InternalName', 'Brovaci'),
                              ('OriginalFilename', 'Brovaci.exe'), ('FileVersion', VERSION),
                              ('ProductVersion', VERSION)]:
            with self.subTest(key):
                self.assertEqual(strings.get(key), expected)

    def test_the_binary_version(self):
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        found = '%d.%d.%d.%d' % (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                                 fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
        self.assertEqual(found, BINARY)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
