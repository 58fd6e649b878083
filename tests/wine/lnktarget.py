# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the path a Windows shortcut (.lnk) names: the local base path of
its link information, as the Shell Link format ([MS-SHLLINK]) stores it.
    python3 lnktarget.py FILE.lnk"""
import struct
import sys

data = open(sys.argv[1], 'rb').read()
if struct.unpack_from('<I', data, 0)[0] != 0x4C:
    sys.exit('not a shortcut')
flags = struct.unpack_from('<I', data, 20)[0]
at = 76
if flags & 0x1:  # HasLinkTargetIDList
    at += 2 + struct.unpack_from('<H', data, at)[0]
if not flags & 0x2:  # HasLinkInfo
    sys.exit('the shortcut has no link information')
size, header, info_flags, volume, base = struct.unpack_from('<IIIII', data, at)
if not info_flags & 0x1:  # VolumeIDAndLocalBasePath
    sys.exit('the shortcut names no local path')
path = data[at + base:data.index(b'\0', at + base)].decode('mbcs' if sys.platform == 'win32' else 'latin-1')
print(path)
