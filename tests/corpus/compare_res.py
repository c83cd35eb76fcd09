#!/usr/bin/env python3
"""Compares two compiled resource files (.res) resource by resource.

Usage: compare_res.py EXPECTED.res ACTUAL.res

Resources are matched by type, name and language; their data must be equal byte for byte.
Memory flags, data versions and characteristics are not compared: compilers set them
differently. Zero bytes that pad one side's data to a multiple of four are not a difference:
tavorin keeps a string block's padding inside the data, compilers leave it after. Exit code 0 when equal, 1 with the differences on stdout, 2 when a file cannot be
read as a .res file.
"""
import struct
import sys


def read_name(data, pos):
    """A name or ordinal: 0xFFFF and a 16-bit ordinal, or a zero-terminated UTF-16 text."""
    if pos + 2 > len(data):
        raise ValueError("name past the end")
    if struct.unpack_from("<H", data, pos)[0] == 0xFFFF:
        if pos + 4 > len(data):
            raise ValueError("ordinal past the end")
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while True:
        if end + 2 > len(data):
            raise ValueError("unterminated name")
        if struct.unpack_from("<H", data, end)[0] == 0:
            break
        end += 2
    return data[pos:end].decode("utf-16-le").upper(), end + 2


def read_res(path):
    with open(path, "rb") as f:
        data = f.read()
    resources = {}
    pos = 0
    while pos + 8 <= len(data):
        data_size, header_size = struct.unpack_from("<II", data, pos)
        if header_size < 16 or pos + header_size > len(data) or pos + header_size + data_size > len(data):
            raise ValueError(f"record at {pos} runs past the end")
        type_, p = read_name(data, pos + 8)
        name, p = read_name(data, p)
        p = (p + 3) & ~3
        if p + 16 > pos + header_size:
            raise ValueError(f"header at {pos} too short")
        language = struct.unpack_from("<H", data, p + 6)[0]
        body = data[pos + header_size:pos + header_size + data_size]
        # The empty record that opens every 32-bit .res file.
        if not (type_ == 0 and name == 0 and data_size == 0):
            resources[(type_, name, language)] = body
        pos = (pos + header_size + data_size + 3) & ~3
    return resources


def same_data(a, b):
    if a == b:
        return True
    if len(a) > len(b):
        a, b = b, a
    padding = b[len(a):]
    return b[:len(a)] == a and len(padding) < 4 and len(b) % 4 == 0 and padding == bytes(len(padding))


def describe(key):
    type_, name, language = key
    return f"type {type_} name {name} language 0x{language:04x}"


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    try:
        expected = read_res(sys.argv[1])
        actual = read_res(sys.argv[2])
    except (OSError, ValueError) as error:
        print(f"unreadable: {error}")
        return 2
    differences = []
    for key in sorted(expected.keys() - actual.keys(), key=str):
        differences.append(f"missing: {describe(key)}")
    for key in sorted(actual.keys() - expected.keys(), key=str):
        differences.append(f"extra: {describe(key)}")
    for key in sorted(expected.keys() & actual.keys(), key=str):
        if not same_data(expected[key], actual[key]):
            a, b = expected[key], actual[key]
            first = next((i for i in range(min(len(a), len(b))) if a[i] != b[i]), min(len(a), len(b)))
            differences.append(f"different: {describe(key)}: sizes {len(a)} and {len(b)}, first difference at {first}")
    for line in differences:
        print(line)
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
