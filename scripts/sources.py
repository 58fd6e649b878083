# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints apt entries, in deb822 form, for every configured deb entry of the
given release (its suite and suites such as <codename>-updates), whether
written in deb822 .sources files or one-line .list files: the same archive
as the machine uses, as entries of TYPE (deb-src by default), and for
another release when a second codename is given (trixie-security for
bookworm-security, and so on).
    python3 sources.py [--type deb|deb-src] CODENAME [OTHER_CODENAME]"""
import argparse
import glob
import re

parser = argparse.ArgumentParser()
parser.add_argument('--type', default='deb-src', choices=['deb', 'deb-src'])
parser.add_argument('codename')
parser.add_argument('other', nargs='?')
args = parser.parse_args()
codename = args.codename
ours = re.compile(r'^%s(-[a-z]+)?$' % re.escape(codename))
stanzas = []


def suite_of(suite):
    return suite if not args.other else args.other + suite[len(codename):]

for path in sorted(glob.glob('/etc/apt/sources.list.d/*.sources')):
    if path.endswith('/brovaci-deb-src.sources'):
        continue
    for stanza in re.split(r'\n\s*\n', open(path).read()):
        fields = {}
        for line in stanza.splitlines():
            m = re.match(r'^([A-Za-z-]+):\s*(.*)$', line)
            if m:
                fields[m.group(1).lower()] = (m.group(1), m.group(2).strip())
        types = fields.get('types', ('', ''))[1].split()
        suites = [s for s in fields.get('suites', ('', ''))[1].split() if ours.match(s)]
        if 'deb' not in types or not suites or fields.get('enabled', ('', 'yes'))[1].lower() == 'no':
            continue
        lines = ['Types: ' + args.type]
        for key, (name, value) in fields.items():
            if key in ('types', 'enabled'):
                continue
            lines.append('%s: %s' % (name, ' '.join(map(suite_of, suites)) if key == 'suites' else value))
        stanzas.append('\n'.join(lines))

for path in ['/etc/apt/sources.list'] + sorted(glob.glob('/etc/apt/sources.list.d/*.list')):
    try:
        text = open(path).read()
    except OSError:
        continue
    for line in text.splitlines():
        line = line.split('#', 1)[0].split()
        if len(line) < 3 or line[0] != 'deb':
            continue
        options = []
        if line[1].startswith('['):
            while line and not line[1].endswith(']'):
                options.append(line.pop(1))
            options.append(line.pop(1))
        uri, suite, components = line[1], line[2], line[3:]
        if not ours.match(suite):
            continue
        entry = ['Types: ' + args.type, 'URIs: ' + uri, 'Suites: ' + suite_of(suite),
                 'Components: ' + ' '.join(components)]
        for option in ' '.join(options).strip('[] ').split():
            name, _, value = option.partition('=')
            if name == 'signed-by':
                entry.append('Signed-By: ' + value)
            elif name == 'trusted':
                entry.append('Trusted: ' + value)
        stanzas.append('\n'.join(entry))

print('\n\n'.join(stanzas))
