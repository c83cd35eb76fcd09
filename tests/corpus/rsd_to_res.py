#!/usr/bin/env python3
"""Turns a hex dump of a .res file (the binutils windres test suite's *.rsd, made from the
output of Microsoft's RC) back into the .res file.

Usage: rsd_to_res.py INPUT.rsd OUTPUT.res

Each line: an offset, up to four groups of up to eight hex digits (bytes in file order), then the
characters; a line without a hex offset is skipped.
"""
import re
import sys


def rsd_bytes(text):
    data = bytearray()
    for line in text.splitlines():
        fields = line.split()
        if not fields or not re.fullmatch(r"[0-9a-fA-F]{4,8}", fields[0]):
            continue
        for group in fields[1:5]:
            if not re.fullmatch(r"[0-9a-fA-F]{2,8}", group) or len(group) % 2:
                break
            data += bytes.fromhex(group)
    return bytes(data)


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    with open(sys.argv[1], encoding="latin-1") as f:
        data = rsd_bytes(f.read())
    with open(sys.argv[2], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
