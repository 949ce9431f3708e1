"""Runs vireldo-tool export and reads the definitions the layouts use."""
import os
import re
import subprocess
import sys


def run_export(tool, data_dir, design, out, *extra):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    result = subprocess.run([tool, "export", design, "-o", out, "--dir", data_dir, *extra],
                            capture_output=True, text=True, env=env)
    if result.returncode != 0:
        sys.exit(f"export failed ({result.returncode}): {result.stderr}")
    match = re.search(r"layout ([\d.]+) x ([\d.]+) mm", result.stdout)
    if not match:
        sys.exit(f"no layout size in: {result.stdout}")
    return float(match.group(1)), float(match.group(2)), result.stdout


def definitions(tool, data_dir):
    """Part code -> {field: value} from the definitions as the tool writes them."""
    text = subprocess.run([tool, "defs", "--dir", data_dir], capture_output=True,
                          check=True).stdout.decode("latin-1").splitlines()
    defs, current, i = {}, None, 0
    while i < len(text):
        line = text[i]
        if line == "# PART DEF" and i + 1 < len(text):
            # The first brand's part of that code: the fixtures' brand.
            current = defs.setdefault(text[i + 1], {}) if text[i + 1] not in defs else {}
            i += 3
            continue
        if current is not None and line.startswith("# ") and i + 1 < len(text):
            try:
                current[line[2:]] = float(text[i + 1])
            except ValueError:
                pass
        i += 1
    return defs


def check(condition, message):
    if not condition:
        sys.exit(message)
