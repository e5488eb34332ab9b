#!/usr/bin/python3
"""Writes in.kvd beside this file: run it as make_in.py PATH/TO/vorlix."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from text_drawing import build  # noqa: E402

build(os.path.dirname(os.path.abspath(__file__)),
      top=[("hello WORLD", 0, 0), ("o-neil", 20, 0), ("3rd street", 40, 0), ("Done", 60, 0)],
      in_block=[("\u00e4pple \u00f6l", 10, 0)],
      in_nested=[("caf\u00e9", 5, 0)],
      hidden=[("hidden text", 80, 0)],
      grouped=[("mixed CASE", 0, 30), ("UPPER", 10, 30)])
