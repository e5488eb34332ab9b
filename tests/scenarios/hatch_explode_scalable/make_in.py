# Writes in.dxf: two pattern hatches at different scales, a solid hatch and
# an unfilled outline. Run with /usr/bin/python3 (python3-ezdxf).
import ezdxf

doc = ezdxf.new("R2010")
msp = doc.modelspace()


def hatch_box(x0, y0, x1, y1):
    h = msp.add_hatch(color=1)
    h.paths.add_polyline_path([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], is_closed=True)
    return h


hatch_box(0, 0, 20, 10).set_pattern_fill("ANSI31", scale=1.0)
hatch_box(30, 0, 50, 10).set_pattern_fill("ANSI31", scale=4.0)
hatch_box(60, 0, 70, 10).set_solid_fill(color=3)
msp.add_lwpolyline([(80, 0), (90, 0), (90, 10), (80, 10)], close=True)
doc.saveas("in.dxf")
