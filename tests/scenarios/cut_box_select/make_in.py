#!/usr/bin/python3
# Writes in.dxf: a line, an arc, an open polyline, a spline and two
# insertions of a small block, around the point (10, 0).
import ezdxf

doc = ezdxf.new("R2010")
msp = doc.modelspace()
mark = doc.blocks.new(name="MARK")
mark.add_lwpolyline([(-1, -1), (1, -1), (1, 1), (-1, 1)], close=True)
msp.add_line((0, 0), (20, 0))
msp.add_arc((10, 0), 4, 0, 180)
msp.add_lwpolyline([(2, -3), (18, -3), (18, 3)])
msp.add_spline(fit_points=[(0, 5), (6, 7), (12, 3), (20, 6)])
msp.add_blockref("MARK", (10, 1))
msp.add_blockref("MARK", (30, 0))
doc.saveas("in.dxf")
