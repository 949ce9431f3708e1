"""The template style read back as a racer would: every piece's code and
number of the oval fixture as text (the SVG; the PDF for the pieces that run
along the page, since pdftotext breaks turned words into letters), little ink
on its tiles beside the screen style's, and on a tile of the figure-eight
lane lines of both colours at least 0.5 mm wide and no filled track surface."""
import re
import subprocess
import sys

from export_common import check, run_export

tool, data_dir, design, out, figure_eight = sys.argv[1:6]

LABELS = ["SP350 1 +1", "S350 2", "C2-900 3", "C2-900 4 +1", "S350 5 +1", "S350 6",
          "C2-900 7", "C2-900 8", "LC525 1", "PX525 2 -2"]
ALONG_THE_PAGE = [label for label in LABELS if not label.startswith("C2-900")]

run_export(tool, data_dir, design, out + ".svg", "--style", "template")
svg = open(out + ".svg", encoding="utf-8").read()
texts = re.findall(r">([^<]*)</text>", svg)
for label in LABELS:
    check(label in texts, f"the SVG lacks the label {label!r}: {texts}")

run_export(tool, data_dir, design, out, "--tiles")  # the template is the tiles' default
text = subprocess.run(["pdftotext", "-layout", out, "-"], capture_output=True, text=True,
                      check=True).stdout
for label in ALONG_THE_PAGE:
    check(label in text, f"the tiles lack the label {label!r}")


def pages(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    return int(next(l.split()[1] for l in info.splitlines() if l.startswith("Pages:")))


def ppm(pdf, page, dpi, gray=False):
    """A page as (width, height, channels, bytes)."""
    data = subprocess.run(["pdftoppm", "-f", str(page), "-l", str(page), "-r", str(dpi)] +
                          (["-gray"] if gray else []) + [pdf], capture_output=True,
                          check=True).stdout
    magic, width, height, _, pixels = data.split(maxsplit=4)
    return int(width), int(height), 1 if magic == b"P5" else 3, pixels


def ink_share(pdf):
    """Of the tiles (the overview left out), the share of area that is not white."""
    inked = total = 0
    for page in range(2, pages(pdf) + 1):
        _, _, _, pixels = ppm(pdf, page, 20, gray=True)
        inked += sum(1 for p in pixels if p < 245)
        total += len(pixels)
    return inked / total


template_ink = ink_share(out)
run_export(tool, data_dir, design, out + ".screen.pdf", "--tiles", "--style", "screen")
screen_ink = ink_share(out + ".screen.pdf")
print(f"ink: template {template_ink:.1%}, screen {screen_ink:.1%}")
check(template_ink < 0.08, f"the template inks {template_ink:.1%} of the tiles")
check(screen_ink > template_ink, "the screen style should ink more than the template")

# A tile with the figure-eight's X on it: its lanes, at 254 dpi ten pixels to
# the millimetre, both lanes of the one road run down the page.
eight = out + ".eight.pdf"
run_export(tool, data_dir, figure_eight, eight, "--tiles")
straight = next(page for page in range(2, pages(eight) + 1)
                if "X350A 1" in subprocess.run(["pdftotext", "-f", str(page), "-l", str(page),
                                                eight, "-"], capture_output=True,
                                               text=True).stdout)
width, height, _, pixels = ppm(eight, straight, 254)


def runs(colour):
    """Widths of the horizontal runs of a colour in the middle rows."""
    widths = []
    for y in range(height // 4, 3 * height // 4, 40):
        run = 0
        for x in range(width):
            r, g, b = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
            if colour(r, g, b):
                run += 1
            elif run:
                widths.append(run)
                run = 0
    return widths


red = runs(lambda r, g, b: r > 180 and g < 110 and b < 110)
green = runs(lambda r, g, b: g > 150 and r < 110 and b < 110)
check(red and green, f"no lane lines on page {straight}")
for name, widths in (("red", red), ("green", green)):
    widest = sorted(widths)[len(widths) // 2]
    check(widest >= 5, f"the {name} lane line is {widest / 10:.1f} mm wide")
dark = sum(1 for i in range(0, len(pixels), 3) if max(pixels[i:i + 3]) < 60)
check(dark / (width * height) < 0.02, f"page {straight} is {dark / (width * height):.1%} black")
print("template ok")
