#!/usr/bin/python3
# Writes in.dxf: four horizontal lines at heights 0, 10, 20, 30, in that
# order, and a circle on a frozen layer drawn last. Run from this folder.
import ezdxf

doc = ezdxf.new("R2000")
doc.layers.add("Frozen").freeze()
msp = doc.modelspace()
for y in (0, 10, 20, 30):
    msp.add_line((0, y), (40, y))
msp.add_circle((60, 15), 5, dxfattribs={"layer": "Frozen"})
doc.saveas("in.dxf")
