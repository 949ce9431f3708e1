"""The DXF of the oval read back: layers, one arc per curve and lane at the
definitions' radii and angles, straights as lines of their length, lanes at
the lane distance."""
import math
import sys

import ezdxf

from export_common import check, definitions, run_export

tool, data_dir, design, out = sys.argv[1:5]
run_export(tool, data_dir, design, out)
defs = definitions(tool, data_dir)
curve, straight = defs["C2-900"], defs["S350"]
TOL = 0.01  # mm

doc = ezdxf.readfile(out)
check(doc.dxfversion == "AC1009", f"not an R12 drawing: {doc.dxfversion}")
check(doc.header.get("$INSUNITS") == 4, "the drawing is not in millimetres")
layers = {layer.dxf.name for layer in doc.layers}
for name in ("TRACKS", "LANE1", "LANE2", "KERBS", "SILKSCREEN", "FREEHAND", "ROOM"):
    check(name in layers, f"layer {name} missing: {sorted(layers)}")
msp = doc.modelspace()

# The oval has four C2-900 curves: two arcs each for the track's edges, one per lane.
edges = sorted(e.dxf.radius for e in msp.query('ARC[layer=="TRACKS"]'))
inner, outer = curve["Curve InnerRadius"] * 10, curve["Curve OuterRadius"] * 10
check(len(edges) == 8, f"edge arcs: {edges}")
check(all(abs(r - inner) < TOL for r in edges[:4]) and all(abs(r - outer) < TOL for r in edges[4:]),
      f"edge radii {edges} are not {inner} and {outer}")
middle = outer - curve["Curve Width"] * 10 / 2
lane_distance = curve["LaneDistance"] * 10
sweep = curve["Curve Angle"]
for layer in ("LANE1", "LANE2"):
    arcs = list(msp.query(f'ARC[layer=="{layer}"]'))
    check(len(arcs) == 4, f"{layer}: {len(arcs)} arcs, not 4")
    for arc in arcs:
        check(abs(abs(arc.dxf.radius - middle) - lane_distance / 2) < TOL,
              f"{layer} arc radius {arc.dxf.radius}")
        span = (arc.dxf.end_angle - arc.dxf.start_angle) % 360
        check(abs(span - sweep) < TOL, f"{layer} arc spans {span} degrees, not {sweep}")
lane1 = {(round(a.dxf.center.x, 2), round(a.dxf.center.y, 2)): a.dxf.radius
         for a in msp.query('ARC[layer=="LANE1"]')}
for arc in msp.query('ARC[layer=="LANE2"]'):
    key = (round(arc.dxf.center.x, 2), round(arc.dxf.center.y, 2))
    check(key in lane1 and abs(abs(lane1[key] - arc.dxf.radius) - lane_distance) < TOL,
          f"lane 2 arc at {key} is not concentric with lane 1 at the lane distance")

# Straights: lane lines of the straight's length, lane 2 parallel at the lane distance.
length = straight["Straight Length"] * 10
lines1 = [e for e in msp.query('LINE[layer=="LANE1"]')]
lines2 = [e for e in msp.query('LINE[layer=="LANE2"]')]
check(sum(abs(l.dxf.start.distance(l.dxf.end) - length) < TOL for l in lines1) >= 4,
      f"fewer than four lane 1 lines of {length} mm")
for line in lines1:
    d = line.dxf.end - line.dxf.start
    normal = ezdxf.math.Vec3(-d.y, d.x, 0).normalize()
    distances = [abs((other.dxf.start - line.dxf.start).dot(normal)) for other in lines2
                 if abs((other.dxf.end - other.dxf.start).normalize().dot(d.normalize())) > 0.9999]
    check(any(abs(x - lane_distance) < TOL for x in distances),
          f"no lane 2 line {lane_distance} mm beside lane 1 line at {line.dxf.start}")

# The parts' printing lies on the parts.
def box(entities):
    points = [p for e in entities for p in (e.dxf.start, e.dxf.end)]
    return (min(p.x for p in points), min(p.y for p in points),
            max(p.x for p in points), max(p.y for p in points))


printing = list(msp.query('LINE[layer=="SILKSCREEN"]'))
check(printing, "no silkscreen lines, though the start/finish part prints one")
inside, outside = box(printing), box(msp.query('LINE[layer=="TRACKS"]'))
check(inside[0] >= outside[0] - TOL and inside[1] >= outside[1] - TOL and
      inside[2] <= outside[2] + TOL and inside[3] <= outside[3] + TOL,
      f"silkscreen {inside} reaches beyond the tracks {outside}")
print("dxf ok")
