#!/usr/bin/python3
"""Writes in.kvd beside this file: run it as make_in.py PATH/TO/vorlix.

vorlix draws a line, a circle and one text; the text is then replaced, by
rewriting the entity list of the .kvd file (docs/kvd_format.md), with
attribute-like text entities (kind 37) that borrow its header and text
format block: one with a string, one without, one too short to become a
text, and a group holding two with strings."""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from text_drawing import Drawing, run_script  # noqa: E402

KIND_GROUP = 10
KIND_ATTRIBUTE = 37
GROUP_SIZE = 32
ATTR_X = 46
ATTR_FIXED = 119           # origin and text format block end here
TEXT_SPEC, SPEC_BYTES = 81, 23
ATTR_SPEC = ATTR_X + (TEXT_SPEC - 32)


def attribute(text_record, x, y, string):
    """An attribute with the text's header and text format block; its string, if
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
    kvd = os.path.join(os.path.dirname(os.path.abspath(__file__)), "in.kvd")
    run_script(vorlix, "LINE;0,-5;40,-5;;\nCIRP;50,0;52,0\nTEXT;0,0;template\n", kvd)
    drawing = Drawing(kvd)
    text = drawing.entities[-1][2]
    added = []
    for x, y, string in [(0, 0, "Room 12"), (0, 10, None), (0, 20, "A longer attribute string, longer than a text")]:
        added.append((0, drawing.take_tag(), attribute(text, x, y, string), None))
    added.append((0, drawing.take_tag(), short_attribute(text, 0, 30), None))
    members = [(0, drawing.take_tag(), attribute(text, 20, 40, "in group 1"), None),
               (0, drawing.take_tag(), attribute(text, 20, 45, "in group 2"), None)]
    header = bytearray(text[:GROUP_SIZE])
    struct.pack_into("<IB", header, 0, GROUP_SIZE, KIND_GROUP)
    group = (0, drawing.take_tag(), bytes(header), members)
    drawing.write(kvd, drawing.entities[:-1] + added + [group])


main()
