#!/usr/bin/python3
"""Writes in.kvd beside this file: run it as make_in.py PATH/TO/vorlix.

vorlix draws a line and two texts; the second text is then replaced, by
rewriting the entity list of the .kvd file (docs/kvd_format.md), with an
attribute-like text entity (kind 37) in the host's attribute layout
(docs/dxf.md): the text's header, origin and text format block, then the
value, the tag and the prompt."""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from text_drawing import Drawing, run_script  # noqa: E402

KIND_ATTRIBUTE = 37
ATTR_X = 46
TEXT_X, TEXT_STRING = 32, 104
STRINGS_AT = ATTR_X + (TEXT_STRING - TEXT_X)  # 118: the text's bytes 32 to 104 sit at 46 to 118


def attribute(text_record, x, y, value, tag, prompt):
    strings = b"".join(s.encode("cp1252") + b"\0" for s in (value, tag, prompt))
    size = STRINGS_AT + len(strings)
    r = bytearray(size)
    r[:32] = text_record[:32]
    r[ATTR_X:STRINGS_AT] = text_record[TEXT_X:TEXT_STRING]
    value_at = STRINGS_AT
    tag_at = value_at + len(value) + 1
    prompt_at = tag_at + len(tag) + 1
    struct.pack_into("<IB", r, 0, size, KIND_ATTRIBUTE)
    struct.pack_into("<HIII", r, 32, 0, tag_at, prompt_at, value_at)
    struct.pack_into("<dd", r, ATTR_X, x, y)
    r[STRINGS_AT:] = strings
    return bytes(r)


def main():
    vorlix = sys.argv[1] if len(sys.argv) > 1 else "vorlix"
    kvd = os.path.join(os.path.dirname(os.path.abspath(__file__)), "in.kvd")
    run_script(vorlix, "LINE;0,-5;40,-5;;\nTEXT;0,10;Kitchen\nTEXT;0,0;template\n", kvd)
    drawing = Drawing(kvd)
    text = drawing.entities[-1][2]
    added = [(0, drawing.take_tag(), attribute(text, 0, 0, "Room 12", "ROOM", "Room number?"), None)]
    drawing.write(kvd, drawing.entities[:-1] + added)


main()
