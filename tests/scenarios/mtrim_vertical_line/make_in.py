#!/usr/bin/python3
# Writes in.dxf: three parallel lines, an open polyline crossing x = 10 twice,
# a circle and a spline across it, and one line that stops short of it.
import ezdxf

doc = ezdxf.new("R2010")
msp = doc.modelspace()
for y in (0, 2, 4):
    msp.add_line((0, y), (20, y))
msp.add_lwpolyline([(5, -2), (15, -2), (15, -6), (5, -6)])
msp.add_circle((10, 10), 3)
msp.add_spline(fit_points=[(2, 15), (8, 18), (14, 14), (18, 17)])
msp.add_line((0, -8), (6, -8))
doc.saveas("in.dxf")
