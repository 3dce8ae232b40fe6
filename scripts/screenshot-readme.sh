#!/usr/bin/env bash
# Makes the README's screenshot, docs/main-window.png: the main window as it opens, under Xvfb.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages xvfb xauth imagemagick
configure_and_build

WINDOW_SIZE=778x563 # the main window's fixed client size, px
shot=$(mktemp --suffix .png)
trap 'rm -f "$shot"' EXIT
"$ROOT/scripts/screenshot.sh" "$shot" "$BUILD_DIR/tunewright"

# Xvfb has no window manager: the window sits alone on a black screen, so trimming the black
# leaves exactly the window. Stripped of dates, the same window gives the same file.
mkdir -p "$ROOT/docs"
out=$ROOT/docs/main-window.png
convert "$shot" -trim +repage -strip -define png:exclude-chunks=date,time "$out"
size=$(identify -format '%wx%h' "$out")
if [ "$size" != "$WINDOW_SIZE" ]; then
    echo "The screenshot is $size, not the window's $WINDOW_SIZE: is the window showing?" >&2
    exit 1
fi
echo "Wrote $out ($size)"
