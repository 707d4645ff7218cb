#!/usr/bin/env bash
# Renders the program's icon, packaging/veltrane.svg, into the images the
# programs carry: PNGs for the Qt window (packaging/icons/veltrane-N.png) and
# the Windows icon resource (packaging/icons/veltrane.ico). Run it after
# changing the SVG and commit what it writes; builds only read the results.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/.."

out=packaging/icons
mkdir -p "$out"
pngs=()
for size in 16 32 48 256; do
  rsvg-convert -w "$size" -h "$size" packaging/veltrane.svg -o "$out/veltrane-$size.png"
  pngs+=("$out/veltrane-$size.png")
done
convert "${pngs[@]}" "$out/veltrane.ico"
echo "make-icons: wrote ${pngs[*]} $out/veltrane.ico"
