#!/usr/bin/env python3
"""Checks that no file under src/platform/ includes one from a layer above it.

The linker already refuses calls from a lower platform library up into a
higher one; this also catches headers, which never reach the linker.
Usage: platform_layers.py SOURCE_DIR
"""
import pathlib
import re
import sys

# Bottom up. The longest matching prefix gives a file its rank; a file may
# include files of its own rank or a lower one.
RANKS = {
    "platform/errors": 0,
    "platform/geometry": 0,
    "platform/system": 1,
    "platform/files": 2,
    "platform/backends": 3,
    "platform/win32/messages": 4,
    "platform/win32/virtual_keys": 4,
    "platform/win32/pixel_format": 4,
    "platform/win32/application": 5,
    "platform/win32/gdi": 5,
    "platform/win32/form": 6,
    "platform/win32/bitmap": 6,
    "platform/win32/ddraw": 7,
    "platform/win32/dinput": 7,
    "platform/win32/dsound": 7,
}


def rank(path):
    best = max((p for p in RANKS if path.startswith(p)), key=len, default=None)
    if best is None:
        raise SystemExit(f"platform_layers: {path} lies in no known layer; add its folder to RANKS")
    return RANKS[best]


def main():
    src = pathlib.Path(sys.argv[1]) / "src"
    wrong = []
    for file in sorted((src / "platform").rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        here = file.relative_to(src).as_posix()
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = re.match(r'\s*#\s*include\s+"(platform/[^"]+)"', line)
            if not match:
                continue
            there = match.group(1)
            if rank(there) > rank(here):
                wrong.append(f"{here}:{number}: includes {there}, a layer above it")
            elif not (src / there).is_file():
                wrong.append(f"{here}:{number}: includes {there}, which does not exist")
    print("\n".join(wrong) or "every include under src/platform/ runs down the layers")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
