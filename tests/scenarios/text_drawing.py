#!/usr/bin/python3
"""Builds the input drawing of the text scenarios: texts at the top level, in
a rotated block, in a block inside a block, on a hidden layer, and two texts
in a group. ezdxf writes the DXF (a library independent of this project);
`vorlix convert` reads it; then the last two top-level texts are put into a
group, which DXF cannot carry, by rewriting the entity list of the .kvd file
(docs/kvd_format.md). Each scenario's make_in.py calls `build` with its
texts."""
import os
import struct
import subprocess
import sys
import tempfile

import ezdxf

KIND_GROUP = 10
GROUP_SIZE = 32


def write_dxf(path, top, in_block, in_nested, hidden, grouped):
    doc = ezdxf.new("R2013", setup=False)
    doc.layers.add("Off").off()
    msp = doc.modelspace()
    for text, x, y in top:
        msp.add_text(text, height=2.5).set_placement((x, y))
    inner = doc.blocks.new("INNER")
    for text, x, y in in_nested:
        inner.add_text(text, height=2.5).set_placement((x, y))
    outer = doc.blocks.new("OUTER")
    for text, x, y in in_block:
        outer.add_text(text, height=2.5).set_placement((x, y))
    if in_nested:
        outer.add_blockref("INNER", (0, 20), dxfattribs={"rotation": 90})
    # Shown at (100 - y, x): a quarter turn about the origin, then 100 to the right.
    msp.add_blockref("OUTER", (100, 0), dxfattribs={"rotation": 90})
    for text, x, y in hidden:
        msp.add_text(text, height=2.5, dxfattribs={"layer": "Off"}).set_placement((x, y))
    for text, x, y in grouped:
        msp.add_text(text, height=2.5).set_placement((x, y))
    doc.saveas(path)


def read_list(data, at):
    (count,) = struct.unpack_from("<I", data, at)
    at += 4
    entities = []
    for _ in range(count):
        flags, tag = struct.unpack_from("<BI", data, at)
        (size,) = struct.unpack_from("<I", data, at + 5)
        record = data[at + 5:at + 5 + size]
        at += 5 + size
        members = None
        if flags & 2:
            members, at = read_list(data, at)
        entities.append((flags, tag, record, members))
    return entities, at


def write_list(entities):
    out = struct.pack("<I", len(entities))
    for flags, tag, record, members in entities:
        out += struct.pack("<BI", flags | (2 if members is not None else 0), tag) + record
        if members is not None:
            out += write_list(members)
    return out


class Drawing:
    """A .kvd file split into its head (up to the working list), the working
    list's entities (flags, tag, record, members) and what follows it."""

    def __init__(self, kvd):
        self.data = open(kvd, "rb").read()
        (self.next_tag, table_count) = struct.unpack_from("<IH", self.data, 12)
        at = 18
        for _ in range(table_count):
            (length,) = struct.unpack_from("<I", self.data, at + 1)
            at += 5 + length
        self.at = at
        self.entities, self.end = read_list(self.data, at)

    def take_tag(self):
        tag = self.next_tag
        self.next_tag += 1
        return tag

    def write(self, kvd, entities):
        head = bytearray(self.data[:self.at])
        struct.pack_into("<I", head, 12, self.next_tag)
        open(kvd, "wb").write(bytes(head) + write_list(entities) + self.data[self.end:])


def run_script(vorlix, script_text, kvd):
    """Writes the drawing a script makes from an empty one."""
    with tempfile.TemporaryDirectory() as scratch:
        script = os.path.join(scratch, "base.vxs")
        with open(script, "w") as f:
            f.write(script_text)
        subprocess.run([vorlix, "run", script, "--out", kvd, "--registry", os.path.join(scratch, "r.sqlite3")],
                       check=True, stdout=subprocess.DEVNULL)


def group_last(kvd, count):
    drawing = Drawing(kvd)
    members = drawing.entities[-count:]
    header = bytearray(members[0][2][:GROUP_SIZE])
    struct.pack_into("<Ib", header, 0, GROUP_SIZE, KIND_GROUP)
    group = (0, drawing.take_tag(), bytes(header), members)
    drawing.write(kvd, drawing.entities[:-count] + [group])


def build(folder, top, in_block, in_nested, hidden, grouped):
    vorlix = sys.argv[1] if len(sys.argv) > 1 else "vorlix"
    with tempfile.TemporaryDirectory() as scratch:
        dxf = os.path.join(scratch, "in.dxf")
        write_dxf(dxf, top, in_block, in_nested, hidden, grouped)
        kvd = os.path.join(folder, "in.kvd")
        subprocess.run([vorlix, "convert", dxf, kvd], check=True)
    if grouped:
        group_last(kvd, len(grouped))
