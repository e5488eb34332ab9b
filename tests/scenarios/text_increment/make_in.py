#!/usr/bin/python3
"""Writes in.kvd beside this file: run it as make_in.py PATH/TO/vorlix."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from text_drawing import build  # noqa: E402

build(os.path.dirname(os.path.abspath(__file__)),
      top=[("Item 9", 0, 0), ("007", 20, 0), ("no digits", 40, 0)],
      in_block=[("B-9", 10, 0)],
      in_nested=[("N1", 5, 0)],
      hidden=[("H1", 60, 0)],
      grouped=[("G7", 0, 30), ("G8", 10, 30)])
