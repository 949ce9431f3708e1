"""The 3 m by 1.5 m board over A4 at 1:1: the page count the paper, margins
and overlap give, and each tile's overlap band printing the same marks and
lines as its neighbour's."""
import math
import subprocess
import sys

from export_common import check, run_export

tool, data_dir, design, out = sys.argv[1:5]
width, height, stdout = run_export(tool, data_dir, design, out, "--tiles", "--paper", "A4")
check((width, height) == (3000.0, 1500.0), f"the board is {width} x {height} mm")

MARGIN, OVERLAP, SHEET = 10.0, 10.0, (210.0, 297.0)


def grid(page_w, page_h):
    printable_w, printable_h = page_w - 2 * MARGIN, page_h - 2 * MARGIN
    cols = 1 + math.ceil((width - printable_w) / (printable_w - OVERLAP))
    rows = 1 + math.ceil((height - printable_h) / (printable_h - OVERLAP))
    return cols, rows


upright, turned = grid(*SHEET), grid(SHEET[1], SHEET[0])
cols, rows = min(upright, turned, key=lambda g: g[0] * g[1])
check((cols, rows) == (17, 6), f"expected 17 x 6 tiles upright, the sums give {cols} x {rows}")
info = subprocess.run(["pdfinfo", out], capture_output=True, text=True, check=True).stdout
pages = int(next(l.split()[1] for l in info.splitlines() if l.startswith("Pages:")))
check(pages == cols * rows + 1, f"{pages} pages, not {cols * rows} tiles and the overview")

# At 254 dpi a pixel is a tenth of a millimetre, so neighbours line up to the pixel.
DPI, PX = 254, 10


def page(number):
    ppm = subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-f", str(number), "-l",
                          str(number), out], capture_output=True, check=True).stdout
    parts = ppm.split(b"\n", 3)  # P5, size, maxval, pixels
    w, h = map(int, parts[1].split())
    return w, h, parts[3]


def band(image, x0, x1, y0, y1):
    w, _, pixels = image
    return [pixels[y * w + x0:y * w + x1] for y in range(y0, y1)]


def dark(rows_of_pixels):
    return sum(v < 128 for row in rows_of_pixels for v in row)


step_x = int((SHEET[0] - 2 * MARGIN - OVERLAP) * PX)
step_y = int((SHEET[1] - 2 * MARGIN - OVERLAP) * PX)
m, ov = int(MARGIN * PX), int(OVERLAP * PX)
# Tile A1 is page 2, A2 page 3, B1 page 2 + cols. The bands are compared
# inside their edges, away from the cut line and the neighbour labels.
a1, a2, b1 = page(2), page(3), page(2 + cols)
top, upto = m + 2 * PX, m + int(step_y * 0.35)
right_of_a1 = band(a1, m + step_x + 3, m + step_x + ov - 3, top, upto)
left_of_a2 = band(a2, m + 3, m + ov - 3, top, upto)
check(dark(right_of_a1) > 200, "no alignment mark in the band A1 shares with A2")
differing = sum(p != q for r1, r2 in zip(right_of_a1, left_of_a2) for p, q in zip(r1, r2))
check(differing <= 0.01 * len(right_of_a1) * len(right_of_a1[0]),
      f"A1 and A2 differ in {differing} pixels of their shared band")
left_x, upto_x = m + 2 * PX, m + int(step_x * 0.35)
below_a1 = band(a1, left_x, upto_x, m + step_y + 3, m + step_y + ov - 3)
above_b1 = band(b1, left_x, upto_x, m + 3, m + ov - 3)
check(dark(below_a1) > 200, "no alignment mark in the band A1 shares with B1")
differing = sum(p != q for r1, r2 in zip(below_a1, above_b1) for p, q in zip(r1, r2))
check(differing <= 0.01 * len(below_a1) * len(below_a1[0]),
      f"A1 and B1 differ in {differing} pixels of their shared band")
print("tiles ok")
