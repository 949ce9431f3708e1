"""A freehand text of size 8 is as tall in the world in every true-scale file:
its capital H stands 8 x 0.5 cm x 0.7 = 28 mm in the PDF and the SVG of
either style and in the DXF.
The fixture holds a 40 x 20 cm frame and an H at (5, 5) cm."""
import subprocess
import sys

import ezdxf

from export_common import check, run_export

tool, data_dir, design, out = sys.argv[1:5]
CAP_MM = 8 * 5.0 * 0.7
MARGIN_MM = 20.0  # around the layout
DPMM = 4  # pixels per millimetre of the renderings


def ink_height(pdf):
    """How tall the ink is inside the frame around the H: its rows only."""
    raw = subprocess.run(["pdftoppm", "-gray", "-r", str(DPMM * 25.4), "-singlefile", pdf],
                         capture_output=True, check=True).stdout
    header = raw.split(maxsplit=4)  # P5 width height maximum pixels
    width, height = int(header[1]), int(header[2])
    pixels = header[4]
    # The H lies right of x = 5 cm and below y = 5 cm, inside the frame.
    left, right = int((MARGIN_MM + 50) * DPMM), int((MARGIN_MM + 80) * DPMM)
    top, bottom = int((MARGIN_MM + 20) * DPMM), int((MARGIN_MM + 190) * DPMM)
    rows = [y for y in range(top, min(bottom, height))
            if any(pixels[y * width + x] < 128 for x in range(left, min(right, width)))]
    check(rows, f"no ink where the H should be in {pdf}")
    return (rows[-1] - rows[0] + 1) / DPMM


def near(what, mm):
    check(abs(mm - CAP_MM) <= 1.5, f"the H of the {what} is {mm:.1f} mm tall, not {CAP_MM:.1f} mm")


for style in ("screen", "template"):
    run_export(tool, data_dir, design, f"{out}.{style}.pdf", "--style", style)
    near(f"{style} PDF", ink_height(f"{out}.{style}.pdf"))
    run_export(tool, data_dir, design, f"{out}.{style}.svg", "--style", style)
    subprocess.run(["rsvg-convert", "-f", "pdf", f"{out}.{style}.svg", "-o", f"{out}.{style}.svg.pdf"],
                   check=True)
    near(f"{style} SVG", ink_height(f"{out}.{style}.svg.pdf"))
run_export(tool, data_dir, design, out + ".dxf")
texts = list(ezdxf.readfile(out + ".dxf").modelspace().query("TEXT"))
check(len(texts) == 1, f"{len(texts)} texts in the DXF")
near("DXF", texts[0].dxf.height)
print("text ok")
