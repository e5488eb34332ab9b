#!/usr/bin/python3
"""Writes in.kvd beside this file: run it as make_in.py PATH/TO/vorlix."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from text_drawing import build  # noqa: E402

build(os.path.dirname(os.path.abspath(__file__)),
      top=[("P-7", 0, 0), ("P-12", 20, 0), ("P-100", 40, 0)],
      in_block=[("Q-5", 10, 0)],
      in_nested=[("R-1", 5, 0)],
      hidden=[("P-0", 60, 0)],
      grouped=[("Door #", 0, 30), ("Door #", 10, 30)])
