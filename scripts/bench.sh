#!/usr/bin/env bash
# Builds the benchmarks (optimised, in build-bench/) and runs them on the offscreen platform;
# arguments go to the benchmark program (for example --benchmark_filter=Tick). Prints each
# measurement against its baseline at the end; exits with 2 when a target is missed.
BUILD_DIR=${BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-bench}
BUILD_TYPE=${BUILD_TYPE:-Release}
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
configure_and_build -DTUNEWRIGHT_BENCH=ON -DTUNEWRIGHT_TESTS=OFF
export QT_QPA_PLATFORM=offscreen
"$BUILD_DIR/bench/tunewright_bench" "$@"
