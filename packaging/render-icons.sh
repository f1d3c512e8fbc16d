#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs rsvg-convert,
# Debian package librsvg2-bin) and the Windows .ico from them (needs
# ImageMagick). The results are committed, so a build needs neither tool.
set -euo pipefail
cd "$(dirname "$0")"
id=io.github.lettoria2.Lettoria2
svg=icons/hicolor/scalable/apps/$id.svg
for size in 16 24 32 48 64 128 256 512; do
  mkdir -p "icons/hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$svg" -o "icons/hicolor/${size}x${size}/apps/$id.png"
done
convert icons/hicolor/{16x16,24x24,32x32,48x48,64x64,256x256}/apps/$id.png -strip windows/lettoria2.ico
