#!/bin/bash
# Contact sheet of every picture with its word, for checking by eye.
# Usage: tools/contact_sheet.sh OUTPUT_PREFIX [picture folder]
# Writes OUTPUT_PREFIX-0.png, OUTPUT_PREFIX-1.png, ... (48 pictures a page).
set -euo pipefail
out=${1:?usage: contact_sheet.sh OUTPUT_PREFIX [picture folder]}
dir=${2:-$(dirname "$0")/../data/images0}
mkdir -p "$(dirname "$out")"
mapfile -t pictures < <(LC_ALL=C ls "$dir" | grep -i '\.jpg$' | sed "s|^|$dir/|")
montage -label '%t' -font DejaVu-Sans -pointsize 16 -geometry 150x150+6+6 \
    -tile 8x6 -background '#dddddd' "${pictures[@]}" "$out-%d.png"
