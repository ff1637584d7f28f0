#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG. The PNGs are kept in
# the repository, so building and installing need no SVG renderer; run this
# after changing packaging/icons/zoruvidedid.svg and commit the result.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (package librsvg2-bin)" >&2; exit 1; }
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" zoruvidedid.svg -o "zoruvidedid-$size.png"
done
