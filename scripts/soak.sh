#!/usr/bin/env bash
# Builds, then runs the soak: more than ten thousand exchanges with the controller simulator over
# a pseudo-terminal with its faults on, checking that every reply is taken in once and that
# memory stays flat. It takes a minute or two, so the ordinary test run leaves it out.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
BUILD_TARGET=tunewright_soak configure_and_build -DTUNEWRIGHT_TESTS=ON
export QT_QPA_PLATFORM=offscreen
timeout --kill-after=10 600 "$BUILD_DIR/tests/tunewright_soak"
