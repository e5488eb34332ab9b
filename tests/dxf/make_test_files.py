#!/usr/bin/python3
"""Writes the DXF files of tests/dxf/data with ezdxf, a DXF library
independent of this project, so the import is tested on files another
program wrote. Run it again only to change the files; the tests read the
committed results and need no Python."""
import os
import random

import ezdxf

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data")


def entities_file():
    doc = ezdxf.new("R2013", setup=False)
    doc.linetypes.add("PHANTOMISH", pattern=[3.0, 2.0, -0.5, 0.0, -0.5])
    doc.layers.add("Walls", color=1)
    doc.layers.add("Hidden layer", color=3).off()
    doc.layers.add("Frozen layer", color=5).freeze()
    msp = doc.modelspace()
    msp.add_line((0, 0), (10, 5), dxfattribs={"layer": "Walls", "linetype": "PHANTOMISH"})
    msp.add_lwpolyline([(0, 0), (4, 0), (4, 3)], dxfattribs={"color": 1})
    msp.add_lwpolyline([(0, 0), (4, 0), (4, 3), (0, 3)], close=True)
    # Half circle from (0, 0) to (2, 0) bulging below, then a straight piece.
    msp.add_lwpolyline([(0, 0, 0, 0, 1.0), (2, 0), (2, 2)], format="xyseb")
    msp.add_polyline2d([(1, 1), (2, 1), (2, 2)], close=True)
    msp.add_circle((5, 5), 2.5, dxfattribs={"true_color": ezdxf.rgb2int((10, 20, 30))})
    msp.add_arc((0, 0), 3, 30, 120)
    msp.add_ellipse((1, 2), major_axis=(4, 0), ratio=0.5)
    msp.add_ellipse((1, 2), major_axis=(0, 4), ratio=0.25, start_param=0.5, end_param=2.0)
    msp.add_open_spline([(0, 0), (1, 2), (3, 2), (4, 0), (6, -1)], degree=3)
    msp.add_spline(fit_points=[(0, 0), (2, 3), (5, 1), (7, 4)])
    msp.add_text("Hello", height=2.5, rotation=30).set_placement((1, 1))
    msp.add_text("Centre", height=1.0).set_placement(
        (10, 10), align=ezdxf.enums.TextEntityAlignment.MIDDLE_CENTER)
    msp.add_mtext("{\\fArial|b1;Bold} line\\Pnext \\S1/2; line", dxfattribs={
        "insert": (3, 4), "char_height": 0.5, "attachment_point": 1})
    msp.add_point((7, 8, 0))
    msp.add_solid([(0, 0), (1, 0), (0, 1), (1, 1)])
    msp.add_3dface([(0, 0, 0), (2, 0, 0), (2, 2, 0), (0, 2, 0)])
    inner = doc.blocks.new("Bolt", base_point=(1, 0))
    inner.add_circle((1, 0), 0.5)
    outer = doc.blocks.new("Plate")
    outer.add_lwpolyline([(0, 0), (6, 0), (6, 4), (0, 4)], close=True)
    outer.add_blockref("Bolt", (2, 2))
    msp.add_blockref("Plate", (20, 0), dxfattribs={"xscale": 2, "yscale": 2, "rotation": 90})
    hatch = msp.add_hatch(color=2)
    hatch.paths.add_polyline_path([(0, 0), (1, 0), (1, 1)], is_closed=True)
    hatch = msp.add_hatch(color=3)
    hatch.paths.add_polyline_path([(2, 0), (3, 0), (3, 1)], is_closed=True)
    msp.add_xline((0, 0), (1, 1))
    doc.saveas(os.path.join(DATA, "ezdxf_entities.dxf"))


def minimal_r12(line_end):
    return ("0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0.0\n20\n0.0\n30\n0.0\n"
            "11\n" + line_end + "\n21\n1.0\n31\n0.0\n0\nENDSEC\n0\nEOF\n")


def rejection_files():
    with open(os.path.join(DATA, "nan_coordinate.dxf"), "w") as f:
        f.write(minimal_r12("nan"))
    with open(os.path.join(DATA, "infinite_coordinate.dxf"), "w") as f:
        f.write(minimal_r12("inf"))
    with open(os.path.join(DATA, "ezdxf_entities.dxf"), "rb") as f:
        whole = f.read()
    with open(os.path.join(DATA, "truncated.dxf"), "wb") as f:
        f.write(whole[: len(whole) // 2])
    rng = random.Random(1026)
    with open(os.path.join(DATA, "binary_garbage.dxf"), "wb") as f:
        f.write(bytes(rng.randrange(256) for _ in range(4096)))
    with open(os.path.join(DATA, "bad_group_code.dxf"), "w") as f:
        f.write("0\nSECTION\n2\nENTITIES\nten\nLINE\n0\nENDSEC\n0\nEOF\n")


if __name__ == "__main__":
    os.makedirs(DATA, exist_ok=True)
    entities_file()
    rejection_files()
