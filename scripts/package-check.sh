#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a fresh folder and checks what it installs: the
# files, the desktop entry and metainfo, that every library the programs need resolves and
# comes from a package it depends on, and that the installed console and simulator start.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages dpkg-dev file appstream desktop-file-utils xvfb xauth
configure_and_build

APP_ID=org.tunewright.Tunewright
RUN_SECONDS=2 # how long the console runs before it is stopped

fail() {
    echo "package-check: FAILED: $*" >&2
    exit 1
}

pkg_dir=$BUILD_DIR/package
rm -rf "$pkg_dir"
(cd "$BUILD_DIR" && cpack -G DEB -B "$pkg_dir" > "$BUILD_DIR/cpack.log") ||
    fail "cpack: see $BUILD_DIR/cpack.log"
deb=$(echo "$pkg_dir"/*.deb)
[ -f "$deb" ] || fail "cpack made no .deb"
echo "Package: $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

# ---- Files
bin=$root/usr/bin
share=$root/usr/share
for f in "$bin/tunewright" "$bin/corvan-sim" \
         "$share/applications/$APP_ID.desktop" "$share/metainfo/$APP_ID.metainfo.xml" \
         "$share/icons/hicolor/scalable/apps/$APP_ID.svg"; do
    [ -f "$f" ] || fail "not installed: ${f#"$root"}"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
    [ -f "$png" ] || fail "not installed: ${png#"$root"}"
    file -b "$png" | grep -q "PNG image data, $size x $size," ||
        fail "${png#"$root"} is not a ${size}x${size} PNG"
done
desktop-file-validate "$share/applications/$APP_ID.desktop" || fail "desktop entry"
appstreamcli validate --no-net --explain "$share/metainfo/$APP_ID.metainfo.xml" ||
    fail "metainfo"
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$share/metainfo/$APP_ID.metainfo.xml" ||
    fail "the metainfo has no release entry for version $version"

# ---- Dependencies: every library resolves and belongs to a package named in Depends
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depends_names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for program in "$bin/tunewright" "$bin/corvan-sim"; do
    libraries=$(ldd "$program")
    if grep -q "not found" <<<"$libraries"; then
        fail "$(basename "$program") misses libraries:$(grep 'not found' <<<"$libraries")"
    fi
    for needed in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        path=$(awk -v lib="$needed" '$1 == lib { print $3 }' <<<"$libraries")
        owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(realpath "$path")" 2>/dev/null ||
                dpkg -S "/usr$path" 2>/dev/null) || fail "no package owns $path"
        owner=${owner%%:*}
        grep -qxF "$owner" <<<"$depends_names" ||
            fail "$(basename "$program") needs $needed from $owner, which Depends lacks"
    done
done

# ---- The installed programs start
export XDG_RUNTIME_DIR
# Runs the console until it is stopped with SIGTERM; anything else (a crash, a missing
# plugin, an early exit) is a failure.
run_console() {
    local log=$root/console-$1.log status=0
    shift
    "$@" > "$log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$log" >&2
        fail "the console ended by itself (status $status)"
    fi
    echo "  ran ${RUN_SECONDS} s and was stopped$([ -s "$log" ] && echo ", saying:")"
    sed 's/^/    /' "$log"
}
echo "Console on the offscreen platform:"
stopped_console=(timeout -s TERM "$RUN_SECONDS" "$bin/tunewright")
run_console offscreen env QT_QPA_PLATFORM=offscreen "${stopped_console[@]}"
echo "Console on X (Xvfb):"
xvfb=(xvfb-run -a -s "-screen 0 1024x768x24")
run_console xcb "${xvfb[@]}" env QT_QPA_PLATFORM=xcb "${stopped_console[@]}"

sim_log=$root/sim.log
timeout -s TERM 1 "$bin/corvan-sim" --link "$root/sim-port" > "$sim_log" 2>&1 || true
grep -q "^Simulated controller on " "$sim_log" || { cat "$sim_log" >&2; fail "corvan-sim"; }
echo "Simulator: $(cat "$sim_log")"

echo "package-check: OK ($(basename "$deb"))"
