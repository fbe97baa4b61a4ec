#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG (needs rsvg-convert from librsvg2-bin). Run after changing
# the SVG and commit the PNGs with it, so that a build needs no renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" example.kelvaron.Kelvaron.svg --output "$size.png"
done
