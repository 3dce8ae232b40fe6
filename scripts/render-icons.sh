#!/usr/bin/env bash
# Renders the application icon's PNG sizes from packaging/icons/tunewright.svg. The PNGs are
# committed (the console's windows use them through a Qt resource), so run this after editing
# the SVG and commit the result.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages librsvg2-bin

ICONS=$ROOT/packaging/icons
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$ICONS/tunewright.svg" -o "$ICONS/tunewright-$size.png"
done
echo "Rendered $(ls "$ICONS"/tunewright-*.png | wc -l) sizes into $ICONS"
