#!/usr/bin/env bash
# Installs what is missing, builds, and starts the console.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
configure_and_build
exec "$BUILD_DIR/tunewright" "$@"
