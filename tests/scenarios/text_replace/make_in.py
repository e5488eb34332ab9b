#!/usr/bin/python3
"""Writes in.kvd beside this file: run it as make_in.py PATH/TO/vorlix."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from text_drawing import build  # noqa: E402

build(os.path.dirname(os.path.abspath(__file__)),
      top=[("Door A", 0, 0), ("Door A", 20, 0), ("door b", 40, 0)],
      in_block=[("Gate A", 10, 0)],
      in_nested=[("Pump A", 5, 0)],
      hidden=[("Lost A", 60, 0)],
      grouped=[("Shed A", 0, 30), ("Shed a", 10, 30)])
