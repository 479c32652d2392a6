"""Checks a disc image's path table against its directory records, as isoinfo reads them.

Usage: check_path_tables.py PATH_TABLE LISTING [ordered]
PATH_TABLE is the output of `isoinfo -p`, LISTING that of `isoinfo -l` for the same tree.
Every folder of the path table must name the extent its own "." record names; with
"ordered", the entries must also follow ECMA-119's order (by level, by parent number, by
identifier padded with spaces), which is checked on the primary tree only: isoinfo shows
Joliet names in an 8-bit character set, where their order is lost.
"""
import re
import sys


def main():
    with open(sys.argv[1], encoding="latin-1") as f:
        table = f.read().splitlines()[1:]
    with open(sys.argv[2], encoding="latin-1") as f:
        listing = f.read().splitlines()
    records, current = {}, None
    for line in listing:
        m = re.match(r"Directory listing of (.*)$", line)
        if m:
            current = m.group(1)
        m = re.match(r"d.*\[ *(\d+) \d+\]  \. $", line)
        if m and current is not None:
            records[current] = int(m.group(1))
    paths, keys, table_extents = {}, [], {}
    for line in table:
        m = re.match(r" *(\d+): +(\d+) ([0-9a-f]+) (.*)$", line)
        number, parent = int(m.group(1)), int(m.group(2))
        extent, ident = int(m.group(3), 16), m.group(4).rstrip(" ")
        paths[number] = "/" if number == 1 else paths[parent] + ident + "/"
        table_extents[paths[number]] = extent
        keys.append((paths[number].count("/"), parent, ident.ljust(64)))
    if table_extents != records:
        differ = sorted(set(table_extents.items()) ^ set(records.items()))[:6]
        print("path table and directory records differ:", differ)
        return 1
    if len(sys.argv) > 3 and keys != sorted(keys):
        print("path table out of order")
        return 1
    return 0


sys.exit(main())
