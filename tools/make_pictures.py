#!/usr/bin/env python3
"""Regenerate data/images0 from tools/pictures.tsv.

Every picture is a 512 x 512 baseline JPEG on white, named after its word
in capitals. A row of pictures.tsv reads

    WORD <TAB> SOURCE [<TAB> COPIES [<TAB> BACKDROP]]

SOURCE is a Fluent Emoji name (`cloud`, or `flat:cloud` for the flat style),
an OpenMoji code (`openmoji:1F419`), or a drawing of tools/drawings
(`drawn:lavagna`, a whole 512 x 512 scene). The emoji is drawn about 440 px
wide in the middle; a plural word may ask for two or three copies (COPIES 2
or 3), drawn smaller, or for `3row`: three copies of a tall, narrow emoji
side by side at full height. A BACKDROP, one of the drawings in BACKDROPS,
goes under the emoji and decides where the emoji sits on it.

Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert, and the pinned
npm packages: run `npm ci --prefix tools` first.

Usage: tools/make_pictures.py [output folder [WORD...]]
       (default: data/images0, every word; naming words redraws only those)
"""
import os
import subprocess
import sys
import tempfile

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)
FLUENT = os.path.join(TOOLS, "node_modules", "fluentui-emoji", "icons")
OPENMOJI = os.path.join(TOOLS, "node_modules", "openmoji", "color", "svg")
DRAWINGS = os.path.join(TOOLS, "drawings")
MAPPING = os.path.join(TOOLS, "pictures.tsv")

CANVAS = 512
SINGLE = 440
MAX_BYTES = 60 * 1024
QUALITIES = (92, 88, 84, 80, 75, 70, 60, 50)

# Where the copies of a plural go: (size, [(x, y) of each top-left corner]).
# Two overlap on the diagonal: side by side they were too small to read.
# A row's squares overlap too, so that narrow emoji stand close together.
LAYOUTS = {
    "1": (SINGLE, [((CANVAS - SINGLE) // 2, (CANVAS - SINGLE) // 2)]),
    "2": (300, [(16, 16), (196, 196)]),
    "3": (228, [(142, 24), (24, 260), (260, 260)]),
    "3row": (SINGLE, [(-110, 36), (36, 36), (182, 36)]),
}

# Drawings that go under an emoji, and where the emoji goes on them.
BACKDROPS = {
    "cielo": (400, [(56, 76)]),                   # a cloud on a pale blue sky
    "vasca": (150, [(108, 168), (250, 262)]),     # two fish in a tank
}


def read_mapping(path=MAPPING):
    """Rows of (word, source, copies, backdrop), in file order."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for lineno, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < 2 or len(fields) > 4:
                sys.exit(f"{path}:{lineno}: expected 2 to 4 tab-separated fields")
            word, source = fields[0], fields[1]
            copies = fields[2] if len(fields) > 2 and fields[2] else "1"
            backdrop = fields[3] if len(fields) > 3 else ""
            if copies not in LAYOUTS:
                sys.exit(f"{path}:{lineno}: copies must be one of {', '.join(LAYOUTS)}")
            if backdrop and backdrop not in BACKDROPS:
                sys.exit(f"{path}:{lineno}: unknown backdrop {backdrop!r}")
            if word != word.upper() or not word.isalpha():
                sys.exit(f"{path}:{lineno}: {word!r} is not an upper-case word")
            rows.append((word, source, copies, backdrop))
    words = [r[0] for r in rows]
    dupes = sorted({w for w in words if words.count(w) > 1})
    if dupes:
        sys.exit(f"{path}: words listed twice: {', '.join(dupes)}")
    return rows


def svg_path(source):
    kind, _, name = source.rpartition(":")
    if kind == "openmoji":
        path = os.path.join(OPENMOJI, name + ".svg")
    elif kind == "drawn":
        path = os.path.join(DRAWINGS, name + ".svg")
    elif kind in ("", "flat"):
        path = os.path.join(FLUENT, kind or "modern", name + ".svg")
    else:
        sys.exit(f"unknown source {source!r}")
    if not os.path.isfile(path):
        sys.exit(f"no picture {source!r} ({path}); run npm ci --prefix tools")
    return path


def rasterise(svg, size, png):
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-a",
                    "-o", png, svg], check=True)


def render(word, source, copies, backdrop, out_dir, tmp):
    cmd = ["convert", "-size", f"{CANVAS}x{CANVAS}", "xc:white"]
    if source.startswith("drawn:"):
        size, spots = CANVAS, [(0, 0)]
    elif backdrop:
        under = os.path.join(tmp, word + "-backdrop.png")
        rasterise(os.path.join(DRAWINGS, backdrop + ".svg"), CANVAS, under)
        cmd += [under, "-geometry", "+0+0", "-composite"]
        size, spots = BACKDROPS[backdrop]
        spots = spots[:len(LAYOUTS[copies][1])]
    else:
        size, spots = LAYOUTS[copies]
    png = os.path.join(tmp, word + ".png")
    rasterise(svg_path(source), size, png)
    for x, y in spots:
        cmd += [png, "-geometry", f"{x:+d}{y:+d}", "-composite"]
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
    only = set(sys.argv[2:])
    os.makedirs(out_dir, exist_ok=True)
    rows = read_mapping()
    wanted = {w + ".jpg" for w, *_ in rows}
    for old in os.listdir(out_dir):
        if old.lower().endswith(".jpg") and old not in wanted:
            os.remove(os.path.join(out_dir, old))
    with tempfile.TemporaryDirectory() as tmp:
        for row in rows:
            if not only or row[0] in only:
                render(*row, out_dir, tmp)
    print(f"{len(rows)} pictures in {out_dir}")


if __name__ == "__main__":
    main()
