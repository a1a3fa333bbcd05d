#!/usr/bin/env bash
# Renders the icon's pictures packaging/icons/taxel-SIZE.png from packaging/icons/taxel.svg. They are
# kept in the repository, so building needs no SVG renderer; run this after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" packaging/icons/taxel.svg -o "packaging/icons/taxel-$size.png"
done
