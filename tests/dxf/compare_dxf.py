#!/usr/bin/python3
"""Compares what two DXF files show, as ezdxf reads them: the layer and line
type tables, and per layer, line type and colour the geometry, texts and
fills of model space. The second file is also audited: ezdxf must find no
error and fix nothing. Differences go to stdout; the exit status is 1 when
there are any.

    compare_dxf.py ORIGINAL WRITTEN [OLD=NEW ...]

OLD=NEW names a layer the written file is expected to have renamed.

Geometry is compared by what it draws, not by entity type: every curve is
flattened, and each sample of one file must lie on a curve of the other with
the same layer, line type and colour. A polyline with arcs written back as
lines and arcs, or a dimension written back as the lines and texts of its
block, therefore compares equal; a lost or moved piece does not."""
import math
import re
import sys

import ezdxf
from ezdxf import path as ezpath

TOLERANCE = 1e-4
FLATTEN = 0.001
ARC_TOLERANCE = 0.005


def unescaped(text):
    """A DXF file of any version may spell a character as \\U+XXXX."""
    return re.sub(r"\\[Uu]\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)


def audit_problems(doc):
    auditor = doc.audit()
    return ["audit error: %s" % e.message for e in auditor.errors] + \
           ["audit fix: %s" % e.message for e in auditor.fixes]


def layer_table(doc):
    return {unescaped(layer.dxf.name): (layer.dxf.color if layer.is_on() else -abs(layer.dxf.color), layer.dxf.linetype,
                             layer.is_frozen()) for layer in doc.layers}


def linetype_table(doc):
    out = {}
    for lt in doc.linetypes:
        if lt.dxf.name.upper() in ("BYLAYER", "BYBLOCK", "CONTINUOUS"):
            continue
        tags = lt.pattern_tags.tags if lt.pattern_tags else []
        out[unescaped(lt.dxf.name)] = [round(t.value, 6) for t in tags if t.code == 49]
    return out


def style_of(e, layer=None, linetype=None, colour=None):
    """Layer, line type and colour an entity is drawn with; inside a block
    reference, layer 0 and BYBLOCK take the reference's."""
    lay = unescaped(e.dxf.get("layer", "0"))
    lt = e.dxf.get("linetype", "BYLAYER")
    col = e.dxf.get("true_color", None)
    col = ("rgb", col) if col is not None else ("aci", e.dxf.get("color", 256))
    if layer is not None and lay == "0":
        lay = layer
    if linetype is not None and lt.upper() == "BYBLOCK":
        lt = linetype
    if colour is not None and col == ("aci", 0):
        col = colour
    return lay, lt.upper() if lt.upper() in ("BYLAYER", "BYBLOCK") else lt, col


def flatten(e):
    try:
        p = ezpath.make_path(e)
    except TypeError:
        return None
    pts = [(v.x, v.y) for v in p.flattening(FLATTEN, segments=8)]
    return pts if pts else None


class Scene:
    def __init__(self):
        self.curves = {}   # style -> list of polylines
        self.texts = []
        self.fills = []
        self.other = []
        self.loops = {}    # (style, fill) -> boundary polylines

    def add_curve(self, style, pts):
        self.curves.setdefault(style, []).append(pts)

    def add_loops(self, key, loops):
        self.loops.setdefault(key, []).extend(loops)


def plain(e):
    if e.dxftype() == "MTEXT":
        return unescaped(e.plain_text().replace("\r", ""))
    return unescaped(e.plain_text())


def below(e):
    """True for an entity in the drawing plane seen from below (extrusion
    0,0,-1): its own coordinates run the other way in x."""
    return e.dxf.hasattr("extrusion") and e.dxf.extrusion.z < 0


def text_point(e):
    if e.dxftype() == "MTEXT":
        return e.dxf.insert
    if e.dxftype() in ("TEXT", "ATTRIB") and (e.dxf.halign, e.dxf.valign) != (0, 0):
        return e.ocs().to_wcs(e.dxf.align_point)
    return e.ocs().to_wcs(e.dxf.insert)


def alignment(e):
    """(horizontal 0 left 1 centre 2 right, vertical 1 bottom 2 middle 3
    top); a baseline reads as bottom, aligned and fit texts as themselves."""
    if e.dxftype() == "MTEXT":
        a = e.dxf.attachment_point - 1
        return a % 3, 3 - a // 3
    h, v = e.dxf.halign, e.dxf.valign
    if h == 4:
        return 1, 2
    if h in (3, 5):
        return h, 0
    return h, max(v, 1)


def text_angle(e):
    """Degrees in the drawing plane, 0 to 360."""
    if e.dxftype() == "MTEXT":
        return round(e.get_rotation() % 360, 3) % 360
    angle = 180 - e.dxf.rotation if below(e) else e.dxf.rotation
    return round(angle % 360, 3) % 360


def add_text(scene, e, style):
    p = text_point(e)
    height = e.dxf.char_height if e.dxftype() == "MTEXT" else e.dxf.height
    align = alignment(e)
    scene.texts.append((style, plain(e), round(p.x, 4), round(p.y, 4), round(height, 4), align, text_angle(e)))


def add_hatch(scene, e, style):
    loops = []
    for boundary in e.paths:
        p = ezpath.from_hatch_boundary_path(boundary, ocs=e.ocs(), elevation=e.dxf.elevation.z)
        loops.append([(v.x, v.y) for v in p.flattening(FLATTEN, segments=8)])
    lines = []
    if not e.dxf.solid_fill and e.pattern:
        for line in e.pattern.lines:
            angle = 180 - line.angle if below(e) else line.angle
            lines.append((round(angle % 360, 4), tuple(round(d, 4) for d in line.dash_length_items)))
    scene.fills.append((style, "hatch", bool(e.dxf.solid_fill), tuple(sorted(lines)), len(loops)))
    scene.add_loops((style, "hatch"), loops)


def add_entity(scene, e, ctx=(None, None, None), depth=0):
    kind = e.dxftype()
    style = style_of(e, *ctx)
    if kind in ("TEXT", "MTEXT", "ATTRIB"):
        add_text(scene, e, style)
    elif kind == "HATCH":
        add_hatch(scene, e, style)
    elif kind in ("SOLID", "TRACE"):
        corners = [e.ocs().to_wcs(e.dxf.get("vtx%d" % i)) for i in range(4)]
        scene.fills.append((style, "solid", sorted((round(v.x, 4), round(v.y, 4)) for v in corners)))
    elif kind == "INSERT" and depth < 8:
        for a in e.attribs:
            add_text(scene, a, style_of(a))
        # A reference with rows and columns stands for one insert per cell.
        for one in (e.multi_insert() if e.mcount > 1 else [e]):
            for v in one.virtual_entities():
                add_entity(scene, v, style, depth + 1)
    elif kind == "DIMENSION" and depth < 8:
        for v in e.virtual_entities():
            add_entity(scene, v, style, depth + 1)
    elif kind == "POINT":
        scene.other.append((style, "point", round(e.dxf.location.x, 4), round(e.dxf.location.y, 4)))
    elif kind == "ATTDEF":
        pass  # shows only as the ATTRIBs of references
    else:
        pts = flatten(e)
        if pts is None:
            scene.other.append((style, "unknown " + kind))
        else:
            scene.add_curve(style, pts)


def scene_of(doc):
    scene = Scene()
    for e in doc.modelspace():
        add_entity(scene, e)
        if e.dxftype() == "INSERT":
            # The attribute definitions of the blocks that are referenced.
            for d in doc.blocks.get(e.dxf.name).query("ATTDEF"):
                scene.other.append(("attdef", e.dxf.name, d.dxf.tag, unescaped(d.dxf.text),
                                    round(d.dxf.insert.x, 4), round(d.dxf.insert.y, 4), round(d.dxf.height, 4)))
    return scene


def distance_to_polyline(p, pts):
    best = math.inf
    if len(pts) == 1:
        return math.hypot(p[0] - pts[0][0], p[1] - pts[0][1])
    for a, b in zip(pts, pts[1:]):
        dx, dy = b[0] - a[0], b[1] - a[1]
        n = dx * dx + dy * dy
        t = 0 if n == 0 else max(0, min(1, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / n))
        best = min(best, math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy))
    return best


def curves_cover(a, b, style, which, tolerance=TOLERANCE):
    problems = []
    for poly in a:
        for p in poly[:: max(1, len(poly) // 40)]:
            if all(distance_to_polyline(p, q) > 10 * FLATTEN + tolerance for q in b):
                problems.append("%s: %s curve point (%.4f, %.4f) is not drawn in the other file" % (style, which, *p))
                break
    return problems


def compare(original, written):
    problems = []
    a, b = layer_table(original), layer_table(written)
    if a != b:
        problems.append("layers differ:\n  original %s\n  written  %s" % (sorted(a.items()), sorted(b.items())))
    a, b = linetype_table(original), linetype_table(written)
    if a != b:
        problems.append("line types differ:\n  original %s\n  written  %s" % (sorted(a.items()), sorted(b.items())))
    sa, sb = scene_of(original), scene_of(written)
    for style in sorted(set(sa.curves) | set(sb.curves), key=str):
        ca, cb = sa.curves.get(style, []), sb.curves.get(style, [])
        if not ca or not cb:
            problems.append("%s: curves only in the %s file" % (style, "original" if ca else "written"))
            continue
        problems += curves_cover(ca, cb, style, "original")
        problems += curves_cover(cb, ca, style, "written")
    for key in sorted(set(sa.loops) | set(sb.loops), key=str):
        la, lb = sa.loops.get(key, []), sb.loops.get(key, [])
        if not la or not lb:
            problems.append("%s: fill boundaries only in the %s file" % (key, "original" if la else "written"))
            continue
        # Arcs of a boundary come back as cubic Bezier pieces.
        problems += curves_cover(la, lb, key, "original boundary", ARC_TOLERANCE)
        problems += curves_cover(lb, la, key, "written boundary", ARC_TOLERANCE)
    for what in ("texts", "fills", "other"):
        ta, tb = sorted(getattr(sa, what), key=str), sorted(getattr(sb, what), key=str)
        if ta != tb:
            only_a = [t for t in ta if t not in tb]
            only_b = [t for t in tb if t not in ta]
            problems.append("%s differ:\n  only original %s\n  only written  %s" % (what, only_a, only_b))
    return problems


def rename_layers(doc, renames):
    for old, new in renames.items():
        doc.layers.get(old).dxf.name = new
        for e in doc.entitydb.values():
            if e.dxf.hasattr("layer") and e.dxf.layer == old:
                e.dxf.layer = new


def main():
    original = ezdxf.readfile(sys.argv[1])
    written = ezdxf.readfile(sys.argv[2])
    rename_layers(original, dict(arg.split("=", 1) for arg in sys.argv[3:]))
    problems = audit_problems(written) + compare(original, written)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
