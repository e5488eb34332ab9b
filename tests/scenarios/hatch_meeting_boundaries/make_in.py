#!/usr/bin/python3
"""Writes in.dxf: a plate with hole symbols inserted into it and a slot drawn
as a polyline with bulges. Run from this folder: python3 make_in.py"""
import ezdxf

doc = ezdxf.new("R2010")
hole = doc.blocks.new(name="HOLE")
hole.add_circle((0, 0), 1)

msp = doc.modelspace()
# The plate, and two holes placed by the instances: one scaled, one turned
# and stretched into an ellipse. The block itself sits at the origin, far
# from the plate.
msp.add_lwpolyline([(20, 0), (32, 0), (32, 8), (20, 8)], close=True)
msp.add_blockref("HOLE", (24, 4), dxfattribs={"xscale": 1.5, "yscale": 1.5})
msp.add_blockref("HOLE", (29, 4), dxfattribs={"xscale": 2, "yscale": 1, "rotation": 30})
# A slot: two straight sides joined by half circles (bulge 1).
msp.add_lwpolyline([(40, 2, 0, 0, 0), (46, 2, 0, 0, 1), (46, 4, 0, 0, 0), (40, 4, 0, 0, 1)],
                   format="xyseb", close=True)
doc.saveas("in.dxf")
