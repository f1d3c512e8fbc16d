#!/bin/sh
# Build data/indis1.ttf, the cursive face "Indis1", from Playwrite IT Trad
# (weight 400, latin subset, which holds every Italian letter with its
# accents), and put the font's licence beside it as data/OFL.txt.
#
# Needs fontTools (Debian: python3-fonttools) and the pinned npm package:
# run `npm ci --prefix tools` first. PYTHON picks the interpreter.
set -eu
tools=$(cd "$(dirname "$0")" && pwd)
data=${1:-$tools/../data}
pkg=$tools/node_modules/@fontsource/playwrite-it-trad
src=$pkg/files/playwrite-it-trad-latin-400-normal.woff
[ -f "$src" ] || { echo "missing $src: run npm ci --prefix tools" >&2; exit 1; }
mkdir -p "$data"

"${PYTHON:-/usr/bin/python3}" - "$src" "$data/indis1.ttf" "$pkg/LICENSE" "$data/OFL.txt" <<'PY'
import sys
from fontTools.ttLib import TTFont

src, out, licence, licence_out = sys.argv[1:5]
font = TTFont(src)
font.flavor = None           # plain TrueType, not WOFF
font.recalcTimestamp = False  # keep the source's dates: rebuilds are identical

FAMILY = "Indis1"
name = font["name"]
version = name.getDebugName(5) or "Version 1.0"
copyright_notice = name.getDebugName(0)
new = {
    1: FAMILY,
    2: "Regular",
    3: f"{version.replace('Version ', '')};{FAMILY}-Regular",
    4: FAMILY,
    6: FAMILY,
    16: FAMILY,
    17: "Regular",
}
for record in list(name.names):
    if record.nameID in (16, 17, 21, 22) and record.nameID not in new:
        name.removeNames(nameID=record.nameID)
for name_id, text in new.items():
    if name_id in (16, 17) and not any(r.nameID == name_id for r in name.names):
        continue  # only rename typographic names that the font has
    name.removeNames(nameID=name_id)
    name.setName(text, name_id, 3, 1, 0x409)  # Windows, Unicode BMP, US English
    name.setName(text, name_id, 1, 0, 0)      # Macintosh, Roman, English
font.save(out)

with open(licence, encoding="utf-8") as f:
    text = f.read()
with open(licence_out, "w", encoding="utf-8", newline="\n") as f:
    f.write("indis1.ttf is the font Playwrite IT Trad (weight 400, latin subset)\n"
            "renamed \"Indis1\" and converted from WOFF to TrueType.\n\n")
    f.write(copyright_notice + "\n\n")
    f.write(text)
PY
echo "wrote $data/indis1.ttf and $data/OFL.txt"
