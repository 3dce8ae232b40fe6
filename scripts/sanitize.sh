#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole test suite.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
BUILD_DIR=${SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}
BUILD_TYPE=Debug configure_and_build -DTUNEWRIGHT_TESTS=ON \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
export QT_QPA_PLATFORM=offscreen
# Qt and fontconfig keep caches for the life of the process; leaks are not what this run hunts.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
