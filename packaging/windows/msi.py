# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the Windows installer of Brovaci with wixl, from the folder that
CMake installs (packaging/windows/CMakeLists.txt): a per-machine install
under Program Files\\Brovaci, a Start-menu shortcut "Brovaci" with the
program's icon, an entry in Apps & features with name, version, publisher
and icon. A newer version replaces an older one; uninstalling removes every
file, the shortcut and the one registry value the shortcut's component
keeps.
    python3 msi.py FOLDER ICON VERSION OUT.msi"""
import os
import shutil
import subprocess
import sys
import tempfile
import uuid
from xml.sax.saxutils import quoteattr

folder, icon, version, out = sys.argv[1:5]
# Fixed for ever: what makes a later Brovaci replace this one.
UPGRADE_CODE = '6C1F4B0E-2E7A-4C39-9A57-3F0B2D8E9A41'
# Component GUIDs follow from the installed path, the same in every build.
NAMESPACE = uuid.UUID('2B8E5D0C-7F4A-4E21-8C6D-1A9B3E5F7C20')


def guid(path):
    return str(uuid.uuid5(NAMESPACE, path.lower())).upper()


def ident(prefix, path):
    return prefix + '_' + uuid.uuid5(NAMESPACE, path.lower()).hex[:16]


lines = []
refs = []


def walk(directory, relative, depth):
    indent = '  ' * depth
    for name in sorted(os.listdir(directory)):
        path = os.path.join(directory, name)
        rel = os.path.join(relative, name) if relative else name
        if os.path.isdir(path):
            lines.append('%s<Directory Id=%s Name=%s>' % (indent, quoteattr(ident('dir', rel)), quoteattr(name)))
            walk(path, rel, depth + 1)
            lines.append('%s</Directory>' % indent)
        else:
            component = ident('cmp', rel)
            refs.append(component)
            lines.append('%s<Component Id=%s Guid=%s Win64="yes">' % (indent, quoteattr(component), quoteattr(guid(rel))))
            file_id = 'BrovaciExe' if rel == 'Brovaci.exe' else ident('fil', rel)
            lines.append('%s  <File Id=%s Name=%s Source=%s KeyPath="yes"/>'
                         % (indent, quoteattr(file_id), quoteattr(name), quoteattr(os.path.join('files', rel))))
            lines.append('%s</Component>' % indent)


walk(folder, '', 5)

wxs = '''<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="*" Name="Brovaci" Version="{version}" Language="1040" Codepage="1252"
           Manufacturer="The Brovaci authors" UpgradeCode="{upgrade}">
    <Package InstallerVersion="500" Compressed="yes" InstallScope="perMachine"
             Description="Brovaci {version}, simulatore di armonografo" Manufacturer="The Brovaci authors"/>
    <Media Id="1" Cabinet="brovaci.cab" EmbedCab="yes"/>
    <MajorUpgrade DowngradeErrorMessage="Una versione più recente di Brovaci è già installata."/>
    <Icon Id="brovaci.ico" SourceFile="brovaci.ico"/>
    <Property Id="ARPPRODUCTICON" Value="brovaci.ico"/>
    <Property Id="ARPNOMODIFY" Value="1"/>
    <Property Id="ARPNOREPAIR" Value="1"/>
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFiles64Folder">
        <Directory Id="INSTALLDIR" Name="Brovaci">
{files}
        </Directory>
      </Directory>
      <Directory Id="ProgramMenuFolder">
        <Component Id="StartMenuShortcut" Guid="{shortcut_guid}" Win64="yes">
          <Shortcut Id="BrovaciShortcut" Name="Brovaci" Description="Simulatore di armonografo"
                    Target="[INSTALLDIR]Brovaci.exe" WorkingDirectory="INSTALLDIR" Icon="brovaci.ico"/>
          <RegistryValue Root="HKLM" Key="Software\\Brovaci" Name="StartMenuShortcut" Type="integer" Value="1"
                         KeyPath="yes"/>
        </Component>
      </Directory>
    </Directory>
    <Feature Id="Brovaci" Title="Brovaci" Level="1">
{refs}
      <ComponentRef Id="StartMenuShortcut"/>
    </Feature>
  </Product>
</Wix>
'''.format(version=version, upgrade=UPGRADE_CODE,
           files='\n'.join(lines), shortcut_guid=guid('start menu shortcut'),
           refs='\n'.join('      <ComponentRef Id=%s/>' % quoteattr(r) for r in refs))

# wixl takes its sources by paths relative to where it runs.
out = os.path.abspath(out)
with tempfile.TemporaryDirectory() as work:
    os.symlink(os.path.abspath(folder), os.path.join(work, 'files'))
    shutil.copy(icon, os.path.join(work, 'brovaci.ico'))
    with open(os.path.join(work, 'brovaci.wxs'), 'w', encoding='utf-8') as f:
        f.write(wxs)
    subprocess.run(['wixl', '--arch', 'x64', '-o', out, 'brovaci.wxs'], check=True, cwd=work)
