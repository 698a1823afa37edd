#!/usr/bin/env bash
# Renders the hand-drawn SVG icon into the PNG sizes of the hicolor theme. The PNGs are
# committed, so only run this after changing the SVG (needs rsvg-convert: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../desktop/icons/hicolor"
svg=scalable/apps/jp.keorusha.ravlo.svg
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: sudo apt install librsvg2-bin" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256 512; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" "$svg" -o "${size}x${size}/apps/jp.keorusha.ravlo.png"
done
