#!/bin/sh
# The fill benchmark's case as a user meets it: a DXF with a closed
# 10,000-vertex polygon and 20 circular holes, hatched from a script by
# `vorlix run` with a continuous and a dashed PAT pattern. Prints the wall
# time of each whole run (start, DXF import, hatch, .kvd written).
#   bench/hatch_run.sh [BUILD_DIR]   (default: build)
set -eu
build=${1:-build}
vorlix=$(cd "$build" && pwd)/vorlix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work/boundary.dxf" <<'PY'
import math, sys
out = ["0", "SECTION", "2", "ENTITIES",
       "0", "LWPOLYLINE", "8", "0", "90", "10000", "70", "1"]
for i in range(10000):
    a = 2 * math.pi * i / 10000
    r = 50 * (1 + 0.03 * math.sin(37 * a))
    out += ["10", repr(r * math.cos(a)), "20", repr(r * math.sin(a))]
for h in range(20):
    a = 2 * math.pi * h / 20
    d = 20 if h % 2 == 0 else 35
    out += ["0", "CIRCLE", "8", "0", "10", repr(d * math.cos(a)), "20", repr(d * math.sin(a)), "40", "3"]
out += ["0", "ENDSEC", "0", "EOF"]
open(sys.argv[1], "w").write("\n".join(out) + "\n")
PY

printf '*Solid\n30, 0,0, 0,0.02\n*Dashed\n30, 0,0, 0.5,0.2, 1,-1\n' > "$work/bench.pat"
"$vorlix" registry set "Software\\Quoravia\\Vorlix\\VXHatch\\PAT Files" "$work/bench.pat" --empty \
  --registry "$work/registry.sqlite3" > /dev/null

for pattern in Solid Dashed; do
  printf 'VXHATCHOPTSEL;2;%s\nVXHATCHSTANDARD;all\n' "$pattern" > "$work/hatch.vxs"
  start=$(date +%s%N)
  "$vorlix" run "$work/hatch.vxs" --in "$work/boundary.dxf" --out "$work/hatched.kvd" \
    --registry "$work/registry.sqlite3" > "$work/transcript.txt"
  end=$(date +%s%N)
  lines=$("$vorlix" list "$work/hatched.kvd" | grep -c "^  line " || true)
  echo "$pattern: vorlix run $(( (end - start) / 1000000 )) ms, $lines hatch lines"
done
