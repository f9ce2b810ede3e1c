#!/usr/bin/env python3
"""Fails on any message of the given .ts catalogues that a person would see untranslated or broken:
unfinished or empty translations, a %1..%9 or %n placeholder of the source missing from the
translation, and an & accelerator in the source without one in the translation."""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%([1-9]|n)')
# "&x" marks x as the accelerator; "&&" is a literal ampersand.
ACCELERATOR = re.compile(r'&(?!&)(?=\S)')


def has_accelerator(text):
    return bool(ACCELERATOR.search(text.replace('&&', '')))


def faults(path):
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            translation = message.find('translation')
            kind = translation.get('type')
            if kind in ('obsolete', 'vanished'):
                continue
            forms = [f.text or '' for f in translation.iter('numerusform')] or [translation.text or '']
            where = f'{path}: {name}: "{source}"'
            if kind == 'unfinished':
                yield f'{where}: unfinished'
            if any(not form.strip() for form in forms):
                yield f'{where}: empty translation'
                continue
            wanted = set(PLACEHOLDER.findall(source))
            for form in forms:
                lost = wanted - set(PLACEHOLDER.findall(form))
                if lost:
                    yield f'{where}: "{form}" lacks ' + ', '.join('%' + p for p in sorted(lost))
                if has_accelerator(source) and not has_accelerator(form):
                    yield f'{where}: "{form}" has no & accelerator'


def main(paths):
    found = [fault for path in paths for fault in faults(path)]
    for fault in found:
        print(fault)
    print(f'{len(paths)} catalogues, {len(found)} faults')
    return 1 if found or not paths else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
