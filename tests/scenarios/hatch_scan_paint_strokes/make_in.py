#!/usr/bin/python3
# Writes in.dxf: a room plan drawn as users draw walls, separate lines that
# cross and overshoot each other by half a unit: an outer wall 10 by 6, an
# inner wall at x = 6, and a wall at y = 3 dividing the right part in two.
import ezdxf

doc = ezdxf.new("R2000")
msp = doc.modelspace()
for start, end in [((-0.5, 0), (10.5, 0)), ((-0.5, 6), (10.5, 6)), ((0, -0.5), (0, 6.5)),
                   ((10, -0.5), (10, 6.5)), ((6, -0.5), (6, 6.5)), ((5.5, 3), (10.5, 3))]:
    msp.add_line(start, end)
doc.saveas("in.dxf")
