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


def layers_file():
    """Layer table, line types, BYLAYER and BYBLOCK, names in mixed case."""
    doc = ezdxf.new("R2013", setup=["linetypes"])
    doc.linetypes.add("HIDDEN", pattern=[0.375, 0.25, -0.125], description="Hidden __ __ __")
    doc.layers.add("Walls", color=1, linetype="HIDDEN")
    doc.layers.add("Axes", color=4, linetype="CENTER")
    doc.layers.add("W\u00e4nde und T\u00fcren", color=2)
    doc.layers.add("A layer name far longer than thirty-one bytes", color=6)
    doc.layers.add("Off layer", color=3).off()
    doc.layers.add("Frozen layer", color=5).freeze()
    msp = doc.modelspace()
    msp.add_line((0, 0), (10, 0), dxfattribs={"layer": "Walls"})
    msp.add_line((0, 1), (10, 1), dxfattribs={"layer": "Walls", "linetype": "DASHED"})
    msp.add_line((0, 2), (10, 2), dxfattribs={"layer": "Axes", "linetype": "Continuous"})
    msp.add_circle((5, 5), 2, dxfattribs={"layer": "Axes", "color": 3})
    msp.add_arc((5, 5), 3, 0, 90, dxfattribs={"layer": "W\u00e4nde und T\u00fcren"})
    msp.add_line((0, 3), (10, 3), dxfattribs={"layer": "A layer name far longer than thirty-one bytes"})
    block = doc.blocks.new("Mark")
    block.add_line((0, 0), (1, 1), dxfattribs={"linetype": "BYBLOCK", "color": 0})
    block.add_circle((0, 0), 0.5, dxfattribs={"layer": "Axes"})
    msp.add_blockref("Mark", (3, 3), dxfattribs={"layer": "Walls"})
    doc.saveas(os.path.join(DATA, "layers_linetypes.dxf"))


def text_files():
    """The same texts as UTF-8 (R2013), code page 1252 and code page 1251
    (R2000), with characters 1252 lacks."""
    texts = ["Stra\u00dfe 20 \u00b0C \u00b1 \u20ac", "\u041f\u043b\u0430\u043d \u2116 5",
             "\u03b1\u03b2 %%c10", "plain"]
    for version, code_page, name in [("R2013", None, "texts_utf8.dxf"), ("R2000", "ANSI_1252", "texts_1252.dxf"),
                                     ("R2000", "ANSI_1251", "texts_1251.dxf")]:
        doc = ezdxf.new(version, setup=False)
        if code_page:
            doc.header["$DWGCODEPAGE"] = code_page
        layer = "\u00c9tage \u00e9t\u00e9"
        doc.layers.add(layer, color=2)
        msp = doc.modelspace()
        for i, text in enumerate(texts):
            msp.add_text(text, height=1.0, dxfattribs={"layer": layer}).set_placement((0, 2 * i))
        msp.add_mtext("\u0428\u0438\u0440\u0438\u043d\u0430\\P\u00c4rger", dxfattribs={"insert": (0, 20), "char_height": 1.0})
        doc.saveas(os.path.join(DATA, name))


def hatch_file():
    """Solid and pattern fills, loops with holes, arcs, ellipses and bulges."""
    doc = ezdxf.new("R2013", setup=False)
    doc.layers.add("Fill", color=3)
    msp = doc.modelspace()
    solid = msp.add_hatch(color=1, dxfattribs={"layer": "Fill"})
    solid.paths.add_polyline_path([(0, 0), (4, 0), (4, 3), (0, 3)], is_closed=True)
    ansi = msp.add_hatch(dxfattribs={"layer": "Fill"})
    ansi.set_pattern_fill("ANSI31", scale=2, angle=15)
    ansi.paths.add_polyline_path([(10, 0), (20, 0), (20, 10), (10, 10)], is_closed=True, flags=1)
    ansi.paths.add_polyline_path([(12, 2), (14, 2), (14, 4)], is_closed=True, flags=16)
    dashed = msp.add_hatch(color=5)
    dashed.set_pattern_fill("ANSI33", scale=0.5)
    edges = dashed.paths.add_edge_path()
    edges.add_line((30, 0), (40, 0))
    edges.add_arc((40, 5), radius=5, start_angle=-90, end_angle=90)
    edges.add_line((40, 10), (30, 10))
    edges.add_ellipse((30, 5), major_axis=(0, 5), ratio=0.4, start_angle=0, end_angle=180)
    bulged = msp.add_hatch(color=6)
    bulged.paths.add_polyline_path([(50, 0, 0.5), (60, 0, 0), (60, 5, 0), (50, 5, -0.3)], is_closed=True)
    msp.add_solid([(0, 20), (4, 20), (0, 24), (4, 25)], dxfattribs={"color": 2})
    msp.add_solid([(10, 20), (14, 20), (12, 24)], dxfattribs={"layer": "Fill"})
    msp.add_trace([(20, 20), (24, 20), (20, 21), (24, 21)])
    doc.saveas(os.path.join(DATA, "hatches.dxf"))


def staggered_hatch_file():
    """A pattern whose dashes shift along the lines from one line to the next."""
    doc = ezdxf.new("R2013", setup=False)
    hatch = doc.modelspace().add_hatch()
    hatch.set_pattern_fill("STAGGER", definition=[[0, (0, 0), (0.3, 1.0), [1.0, -0.5]]])
    hatch.paths.add_polyline_path([(0, 0), (5, 0), (5, 5), (0, 5)], is_closed=True)
    doc.saveas(os.path.join(DATA, "staggered_hatch.dxf"))


def dimension_attribute_file():
    """Dimensions drawn by their blocks; a block with attribute definitions
    and references to it with attributes on layers of their own."""
    doc = ezdxf.new("R2013", setup=True)
    doc.layers.add("Dims", color=3)
    doc.layers.add("Tags", color=4)
    msp = doc.modelspace()
    msp.add_linear_dim(base=(0, 3), p1=(0, 0), p2=(10, 0), dxfattribs={"layer": "Dims"}).render()
    msp.add_radius_dim(center=(20, 0), radius=4, angle=45, dxfattribs={"layer": "Dims", "color": 1}).render()
    block = doc.blocks.new("Door")
    block.add_lwpolyline([(0, 0), (1, 0), (1, 2), (0, 2)], close=True)
    block.add_attdef("NUMBER", (0.1, 2.2), dxfattribs={"height": 0.25})
    block.add_attdef("MAKER", (0.1, -0.4), dxfattribs={"height": 0.2})
    for i, (x, rotation) in enumerate([(30, 0), (35, 90)]):
        ref = msp.add_blockref("Door", (x, 0), dxfattribs={"rotation": rotation, "xscale": 1.5, "yscale": 1.5})
        ref.add_auto_attribs({"NUMBER": "D%d" % (i + 1), "MAKER": "Sch\u00fcco"})
        for attrib in ref.attribs:
            attrib.dxf.layer = "Tags"
    doc.saveas(os.path.join(DATA, "dimensions_attributes.dxf"))


def paper_space_and_text_file():
    """Aligned and fit texts, styles named in mixed case, and entities on a
    layout sheet, which the drawing (model space only) cannot hold."""
    doc = ezdxf.new("R2013", setup=False)
    doc.styles.add("Narrow", font="arial.ttf")
    msp = doc.modelspace()
    msp.add_text("Aligned", height=1.0).set_placement(
        (0, 0), (10, 2), align=ezdxf.enums.TextEntityAlignment.ALIGNED)
    msp.add_text("Fit", height=0.8, dxfattribs={"style": "Narrow"}).set_placement(
        (0, 5), (8, 5), align=ezdxf.enums.TextEntityAlignment.FIT)
    msp.add_text("Right", height=0.5).set_placement((5, 8), align=ezdxf.enums.TextEntityAlignment.BOTTOM_RIGHT)
    sheet = doc.layout("Layout1")
    sheet.add_line((0, 0), (100, 0))
    sheet.add_text("Title", height=5).set_placement((10, 10))
    doc.saveas(os.path.join(DATA, "texts_paper_space.dxf"))


def mirrored_file():
    """Entities whose plane is the drawing plane seen from below (extrusion
    0,0,-1), as programs write mirrored copies: their coordinates are in that
    plane, x running the other way. Also MTEXT turned by a rotation in
    degrees and by a direction vector."""
    doc = ezdxf.new("R2013", setup=True)
    msp = doc.modelspace()
    below = {"extrusion": (0, 0, -1)}
    ansi = msp.add_hatch(color=3, dxfattribs=below)
    ansi.set_pattern_fill("ANSI31", scale=1.5, angle=15)
    ansi.paths.add_polyline_path([(10, 0), (20, 0), (20, 10), (10, 10)], is_closed=True, flags=1)
    ansi.paths.add_polyline_path([(12, 2), (15, 2), (12, 6)], is_closed=True, flags=16)
    solid = msp.add_hatch(color=5, dxfattribs=below)
    edges = solid.paths.add_edge_path()
    edges.add_line((30, 0), (40, 0))
    edges.add_arc((35, 0), radius=5, start_angle=0, end_angle=180)
    msp.add_solid([(0, 20), (4, 20), (0, 24), (4, 25)], dxfattribs=dict(below, color=2))
    msp.add_arc((5, 30), radius=3, start_angle=20, end_angle=160, dxfattribs=below)
    msp.add_text("Below", height=1.0, dxfattribs=below).set_placement((3, 40))
    msp.add_mtext("Turned\\Pby 30", dxfattribs={"char_height": 1, "rotation": 30, "insert": (60, 0)})
    msp.add_mtext("Upwards", dxfattribs={"char_height": 1, "insert": (70, 0), "text_direction": (-1, 1, 0)})
    block = doc.blocks.new("Tag")
    block.add_lwpolyline([(0, 0), (2, 0), (2, 1)], close=True)
    block.add_attdef("NAME", (0.2, 1.5), dxfattribs={"height": 0.4})
    ref = msp.add_blockref("Tag", (50, 20), dxfattribs={"xscale": -1.5, "yscale": 1.5, "rotation": 30})
    ref.add_auto_attribs({"NAME": "Left hand"})
    doc.saveas(os.path.join(DATA, "mirrored.dxf"))


if __name__ == "__main__":
    os.makedirs(DATA, exist_ok=True)
    entities_file()
    rejection_files()
    layers_file()
    text_files()
    hatch_file()
    staggered_hatch_file()
    dimension_attribute_file()
    paper_space_and_text_file()
    mirrored_file()
