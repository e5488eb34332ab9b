#!/usr/bin/python3
# Writes in.dxf: a line and an arc on layer 0, and a line on the frozen
# layer COLD, all crossing the box from (4, -2) to (8, 2).
import ezdxf

doc = ezdxf.new("R2010")
doc.layers.add("COLD").freeze()
msp = doc.modelspace()
msp.add_line((0, 0), (12, 0))
msp.add_arc((6, -3), 4, 30, 150)
msp.add_line((0, 1), (12, 1), dxfattribs={"layer": "COLD"})
doc.saveas("in.dxf")
