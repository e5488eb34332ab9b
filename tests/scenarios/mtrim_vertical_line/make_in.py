#!/usr/bin/python3
# Writes in.dxf: three parallel lines, an open polyline crossing x = 10 twice,
# a circle, an arc and a spline across it, a block inserted across it (never
# split) and one line that stops short of it.
import ezdxf

doc = ezdxf.new("R2010")
msp = doc.modelspace()
mark = doc.blocks.new(name="MARK")
mark.add_lwpolyline([(-1, -1), (1, -1), (1, 1), (-1, 1)], close=True)
for y in (0, 2, 4):
    msp.add_line((0, y), (20, y))
msp.add_lwpolyline([(5, -2), (15, -2), (15, -6), (5, -6)])
msp.add_circle((10, 10), 3)
msp.add_spline(fit_points=[(2, 15), (8, 18), (14, 14), (18, 17)])
msp.add_arc((10, -12), 3, 0, 180)
msp.add_blockref("MARK", (10, 22))
msp.add_line((0, -8), (6, -8))
doc.saveas("in.dxf")
