#!/usr/bin/python3
# Writes in.dxf: a rounded slot (a polyline with bulges, which the drawing
# reads as a group of lines and arcs), a line beside it, and a line far
# away that the script does not select. Run from this folder.
import ezdxf

doc = ezdxf.new("R2000")
msp = doc.modelspace()
# (x, y, start width, end width, bulge): half circles at both ends.
msp.add_lwpolyline([(0, 0, 0, 0, 0), (20, 0, 0, 0, 1), (20, 10, 0, 0, 0), (0, 10, 0, 0, 1)],
                   format="xyseb", close=True)
msp.add_line((40, 0), (40, 10))
msp.add_line((80, 0), (80, 10))
doc.saveas("in.dxf")
