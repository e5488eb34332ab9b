#!/usr/bin/python3
"""Writes in.kvd beside this file: run it as make_in.py PATH/TO/vorlix.

The texts are made with TEXT (the drawing's text defaults), then their
height, font number (1 Simplex, 5 DejaVu Sans) and justification are set in
the saved records: a text's string starts at byte 104, the font number is
the u16 at 99 and the justification the byte at 103."""
import os
import struct
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
out = os.path.join(here, "in.kvd")
with tempfile.TemporaryDirectory() as tmp:
    script = os.path.join(tmp, "make.vxs")
    with open(script, "w") as f:
        f.write("TEXT;0,0;Stroke text\nTEXT;0,-8;TrueType A B\nTEXT;30,-16;Centred\nSAVE;%s\n" % out)
    subprocess.run([sys.argv[1], "run", script], check=True, stdout=subprocess.DEVNULL)

data = bytearray(open(out, "rb").read())
for text, font, justify in (("Stroke text", 1, None), ("TrueType A B", 5, None), ("Centred", 5, 1)):
    at = data.index(text.encode() + b"\0") - 104
    assert data[at + 4] == 5, "not a text record"
    struct.pack_into("<f", data, at + 83, 5.0)
    struct.pack_into("<H", data, at + 99, font)
    if justify is not None:
        data[at + 103] = justify
open(out, "wb").write(data)
