#!/usr/bin/python3
# Writes in.dxf: the same drawing as cut_circle_delete, made by its script.
import os
import runpy

os.chdir(os.path.dirname(os.path.abspath(__file__)))
runpy.run_path("../cut_circle_delete/make_in.py")
