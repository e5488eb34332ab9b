#!/usr/bin/python3
"""Writes in.kvd beside this file: run it as make_in.py PATH/TO/vorlix.

vorlix draws a line, a circle and one text; the text is then replaced, by
rewriting the entity list of the .kvd file (docs/kvd_format.md), with
attribute-like text entities (kind 37) that borrow its header and text
specification: one with a string, one without, one too short to become a
text, and a group holding two with strings."""
import os
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from text_drawing import read_list, write_list  # noqa: E402

KIND_GROUP = 10
KIND_ATTRIBUTE = 37
GROUP_SIZE = 32
ATTR_X = 46
ATTR_FIXED = 119           # origin and text specification end here
TEXT_SPEC, SPEC_BYTES = 81, 23
ATTR_SPEC = ATTR_X + (TEXT_SPEC - 32)


def attribute(text_record, x, y, string):
    """An attribute with the text's header and specification; its string, if
    any, right after the fixed part, then three bytes of a part the host
    keeps."""
    body = b"" if string is None else string.encode("cp1252") + b"\0"
    size = ATTR_FIXED + len(body) + 3
    r = bytearray(size)
    r[:32] = text_record[:32]
    struct.pack_into("<IB", r, 0, size, KIND_ATTRIBUTE)
    struct.pack_into("<HIII", r, 32, 0, 0, 0, 0 if string is None else ATTR_FIXED)
    struct.pack_into("<dd", r, ATTR_X, x, y)
    r[ATTR_SPEC:ATTR_SPEC + SPEC_BYTES] = text_record[TEXT_SPEC:TEXT_SPEC + SPEC_BYTES]
    r[ATTR_FIXED:ATTR_FIXED + len(body)] = body
    r[size - 3:] = b"\x01\x02\x03"
    return bytes(r)


def short_attribute(text_record, x, y):
    r = bytearray(text_record[:ATTR_FIXED - 1])
    struct.pack_into("<IB", r, 0, len(r), KIND_ATTRIBUTE)
    struct.pack_into("<HIII", r, 32, 0, 0, 0, 0)
    struct.pack_into("<dd", r, ATTR_X, x, y)
    return bytes(r)


def main():
    vorlix = sys.argv[1] if len(sys.argv) > 1 else "vorlix"
    folder = os.path.dirname(os.path.abspath(__file__))
    kvd = os.path.join(folder, "in.kvd")
    with tempfile.TemporaryDirectory() as scratch:
        script = os.path.join(scratch, "base.vxs")
        with open(script, "w") as f:
            f.write("LINE;0,-5;40,-5;;\nCIRP;50,0;52,0\nTEXT;0,0;template\n")
        subprocess.run([vorlix, "run", script, "--out", kvd, "--registry", os.path.join(scratch, "r.sqlite3")],
                       check=True, stdout=subprocess.DEVNULL)
    data = open(kvd, "rb").read()
    (next_tag, table_count) = struct.unpack_from("<IH", data, 12)
    at = 18
    for _ in range(table_count):
        (length,) = struct.unpack_from("<I", data, at + 1)
        at += 5 + length
    entities, end = read_list(data, at)
    text = entities[-1][2]
    tag = next_tag
    kept = entities[:-1]
    added = []
    for x, y, string in [(0, 0, "Room 12"), (0, 10, None), (0, 20, "A longer attribute string, longer than a text")]:
        added.append((0, tag, attribute(text, x, y, string), None))
        tag += 1
    added.append((0, tag, short_attribute(text, 0, 30), None))
    tag += 1
    members = [(0, tag, attribute(text, 20, 40, "in group 1"), None),
               (0, tag + 1, attribute(text, 20, 45, "in group 2"), None)]
    header = bytearray(text[:GROUP_SIZE])
    struct.pack_into("<IB", header, 0, GROUP_SIZE, KIND_GROUP)
    group = (0, tag + 2, bytes(header), members)
    tag += 3
    head = bytearray(data[:at])
    struct.pack_into("<I", head, 12, tag)
    open(kvd, "wb").write(bytes(head) + write_list(kept + added + [group]) + data[end:])


main()
