#!/usr/bin/python3
# Writes in.dxf: a closed five-sided polyline around (10, 0) to cut with, a
# line, a circle and a text, one inside and two crossing it.
import ezdxf

doc = ezdxf.new("R2010")
msp = doc.modelspace()
msp.add_lwpolyline([(4, -4), (16, -4), (18, 2), (10, 6), (2, 2)], close=True)
msp.add_line((-5, 0), (25, 0))
msp.add_circle((10, 6), 3)
msp.add_text("IN", dxfattribs={"height": 1, "insert": (9, -2)})
msp.add_text("OUT", dxfattribs={"height": 1, "insert": (20, -6)})
doc.saveas("in.dxf")
