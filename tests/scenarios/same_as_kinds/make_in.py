#!/usr/bin/python3
# Writes in.dxf: a symbol CHAIR (a line and a circle) inserted at 10,10, a
# square turned 30 degrees about 50,50, an axis-parallel rectangle, and a
# line on layer Wires. Run from this folder.
import math

import ezdxf

doc = ezdxf.new("R2000")
doc.layers.add("Wires")
chair = doc.blocks.new("CHAIR", base_point=(0, 0))
chair.add_line((0, 0), (4, 0))
chair.add_circle((2, 2), 1)
msp = doc.modelspace()
msp.add_blockref("CHAIR", (10, 10))
turn = math.radians(30)
square = [(50 + 5 * math.cos(turn + k * math.pi / 2 + math.pi / 4) * math.sqrt(2),
           50 + 5 * math.sin(turn + k * math.pi / 2 + math.pi / 4) * math.sqrt(2)) for k in range(4)]
msp.add_lwpolyline(square, close=True)
msp.add_lwpolyline([(0, 30), (30, 30), (30, 40), (0, 40)], close=True)
msp.add_line((0, 60), (30, 60), dxfattribs={"layer": "Wires"})
doc.saveas("in.dxf")
