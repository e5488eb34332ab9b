#!/usr/bin/python3
# Writes in.dxf: a red SOLID and a blue TRACE, as another CAD program fills
# them; the picture must show both areas filled.
import ezdxf

doc = ezdxf.new("R2010")
msp = doc.modelspace()
msp.add_solid([(0, 0), (10, 0), (0, 10), (10, 10)], dxfattribs={"color": 1})
msp.add_trace([(15, 0), (25, 0), (15, 4), (25, 4)], dxfattribs={"color": 5})
msp.add_line((0, -2), (25, -2))
doc.saveas("in.dxf")
