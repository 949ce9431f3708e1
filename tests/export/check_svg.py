"""The SVG, in either style, is the layout's size at 1:1 (with its 2 cm
border), in millimetres with a matching viewBox, and renders."""
import re
import subprocess
import sys

from export_common import check, run_export

tool, data_dir, design, out = sys.argv[1:5]
BORDER_MM = 2 * 20.0
for style in ("screen", "template"):
    svg = f"{out}.{style}.svg"
    width, height, _ = run_export(tool, data_dir, design, svg, "--style", style)
    head = open(svg, encoding="utf-8").read(2000)
    size = re.search(r'<svg width="([\d.]+)mm" height="([\d.]+)mm"\s+viewBox="0 0 ([\d.]+) ([\d.]+)"',
                     head)
    check(size, f"{style}: no size in millimetres: {head[:300]}")
    w, h, vw, vh = map(float, size.groups())
    check(abs(w - (width + BORDER_MM)) <= 1 and abs(h - (height + BORDER_MM)) <= 1,
          f"{style}: {w} x {h} mm is not the layout's {width} x {height} mm and border")
    check(abs(vw - w) < 1e-6 and abs(vh - h) < 1e-6, f"{style}: the viewBox is not in millimetres")
    png = svg + ".png"
    rendered = subprocess.run(["rsvg-convert", "--dpi-x", "25.4", "--dpi-y", "25.4", svg, "-o", png],
                              capture_output=True, text=True)
    check(rendered.returncode == 0, f"{style}: rsvg-convert: {rendered.stderr}")
    with open(png, "rb") as f:
        header = f.read(24)
    png_w, png_h = int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")
    # At 25.4 dpi a pixel is a millimetre.
    check(abs(png_w - w) <= 1 and abs(png_h - h) <= 1, f"{style}: rendered {png_w} x {png_h} px")
print("svg ok")
