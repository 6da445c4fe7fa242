#!/usr/bin/env python3
"""Exit 0 when dump B shows what dump A shows.

Additions are allowed: keys that A lacks and menu entries named mx... are left out of B before
comparing. The scene's own work folder is replaced by a fixed word in both. The first
differences are printed.
"""
import json
import re
import sys

WORK = re.compile(r'/[^"]*?/karvenna-scenes(\.[A-Za-z0-9]+)?/')


def load(path):
    with open(path, encoding='utf-8') as f:
        return json.loads(WORK.sub('/WORK/', f.read()))


def without_additions(a, b):
    """B with only the keys A has, item by item."""
    if isinstance(a, dict) and isinstance(b, dict):
        return {k: without_additions(a[k], v) for k, v in b.items() if k in a}
    if isinstance(a, list) and isinstance(b, list):
        return [without_additions(x, y) for x, y in zip(a, b)] + b[len(a):]
    return b


def strip_mx(a):
    if isinstance(a, dict):
        return {k: strip_mx(v) for k, v in a.items()}
    if isinstance(a, list):
        return [strip_mx(x) for x in a
                if not (isinstance(x, dict) and str(x.get('name', '')).startswith('mx'))]
    return a


def differences(a, b, where=''):
    if type(a) is not type(b):
        yield f'{where}: {a!r} != {b!r}'
    elif isinstance(a, dict):
        for k in sorted(set(a) | set(b)):
            if k not in b:
                yield f'{where}/{k}: missing'
            else:
                yield from differences(a[k], b[k], f'{where}/{k}')
    elif isinstance(a, list):
        if len(a) != len(b):
            yield f'{where}: {len(a)} items != {len(b)}'
        for i, (x, y) in enumerate(zip(a, b)):
            yield from differences(x, y, f'{where}[{i}]')
    elif a != b:
        yield f'{where}: {a!r} != {b!r}'


def main():
    a, b = load(sys.argv[1]), load(sys.argv[2])
    a = strip_mx(a)
    b = without_additions(a, strip_mx(b))
    found = list(differences(a, b))
    for line in found[:6]:
        print('   ', line)
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
