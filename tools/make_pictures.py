#!/usr/bin/env python3
"""Regenerate data/images0 from the Fluent Emoji SVGs and tools/pictures.tsv.

Every picture is a 512 x 512 baseline JPEG on white, named after its word
in capitals. The emoji is drawn about 440 px wide in the middle; a plural
word may ask for two or three copies, drawn smaller side by side.

Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert, and the pinned
npm packages: run `npm ci --prefix tools` first.

Usage: tools/make_pictures.py [output folder]   (default: data/images0)
"""
import os
import subprocess
import sys
import tempfile

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)
EMOJI = os.path.join(TOOLS, "node_modules", "fluentui-emoji", "icons")
MAPPING = os.path.join(TOOLS, "pictures.tsv")

CANVAS = 512
SINGLE = 440
MAX_BYTES = 60 * 1024
QUALITIES = (92, 88, 84, 80, 75, 70, 60, 50)

# Where the copies of a plural go: (size, [(x, y) of each top-left corner]).
LAYOUTS = {
    1: (SINGLE, [((CANVAS - SINGLE) // 2, (CANVAS - SINGLE) // 2)]),
    2: (236, [(16, 138), (260, 138)]),
    3: (228, [(142, 24), (24, 260), (260, 260)]),
}


def read_mapping(path=MAPPING):
    """Rows of (word, emoji name, style, copies), in file order."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for lineno, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < 2 or len(fields) > 4:
                sys.exit(f"{path}:{lineno}: expected 2 to 4 tab-separated fields")
            word, name = fields[0], fields[1]
            style = fields[2] if len(fields) > 2 and fields[2] else "modern"
            copies = int(fields[3]) if len(fields) > 3 and fields[3] else 1
            if style not in ("modern", "flat"):
                sys.exit(f"{path}:{lineno}: unknown style {style!r}")
            if copies not in LAYOUTS:
                sys.exit(f"{path}:{lineno}: copies must be 1, 2 or 3")
            if word != word.upper() or not word.isalpha():
                sys.exit(f"{path}:{lineno}: {word!r} is not an upper-case word")
            rows.append((word, name, style, copies))
    words = [r[0] for r in rows]
    dupes = sorted({w for w in words if words.count(w) > 1})
    if dupes:
        sys.exit(f"{path}: words listed twice: {', '.join(dupes)}")
    return rows


def svg_path(name, style):
    path = os.path.join(EMOJI, style, name + ".svg")
    if not os.path.isfile(path):
        sys.exit(f"no {style} emoji named {name!r} ({path}); run npm ci --prefix tools")
    return path


def render(word, name, style, copies, out_dir, tmp):
    size, spots = LAYOUTS[copies]
    png = os.path.join(tmp, word + ".png")
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-a",
                    "-o", png, svg_path(name, style)], check=True)
    cmd = ["convert", "-size", f"{CANVAS}x{CANVAS}", "xc:white"]
    for x, y in spots:
        cmd += [png, "-geometry", f"+{x}+{y}", "-composite"]
    # Flatten onto white, plain (baseline) JPEG, no metadata so that
    # rebuilding gives the same bytes.
    cmd += ["-background", "white", "-alpha", "remove", "-alpha", "off",
            "-colorspace", "sRGB", "-type", "TrueColor",
            "-interlace", "none", "-sampling-factor", "4:2:0", "-strip"]
    out = os.path.join(out_dir, word + ".jpg")
    for quality in QUALITIES:
        subprocess.run(cmd + ["-quality", str(quality), out], check=True)
        if os.path.getsize(out) <= MAX_BYTES:
            return
    sys.exit(f"{out} stays above {MAX_BYTES} bytes")


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "images0")
    os.makedirs(out_dir, exist_ok=True)
    rows = read_mapping()
    wanted = {w + ".jpg" for w, *_ in rows}
    for old in os.listdir(out_dir):
        if old.lower().endswith(".jpg") and old not in wanted:
            os.remove(os.path.join(out_dir, old))
    with tempfile.TemporaryDirectory() as tmp:
        for row in rows:
            render(*row, out_dir, tmp)
    print(f"{len(rows)} pictures in {out_dir}")


if __name__ == "__main__":
    main()
