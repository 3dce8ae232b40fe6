#!/usr/bin/env bash
# Builds the console fuzzer with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it for a bounded time from the committed seed corpus. A crash, a sanitizer report, a
# broken invariant or an input that hangs fails the run; the input is kept in build-fuzz/findings.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages clang libclang-rt-14-dev
BUILD_DIR=${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
FUZZ_SECONDS=${FUZZ_SECONDS:-60}
export CC=clang CXX=clang++
# The libraries get the fuzzer's coverage hooks; only the target links libFuzzer itself.
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer"
flags+=" -fno-sanitize-recover=all"
BUILD_TARGET=console_fuzzer configure_and_build -DTUNEWRIGHT_TESTS=OFF -DTUNEWRIGHT_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "-DCMAKE_CXX_FLAGS=$flags"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$ROOT/fuzz/lsan.supp:print_suppressions=0
mkdir -p "$BUILD_DIR/corpus" "$BUILD_DIR/findings"
log=$BUILD_DIR/fuzz.log
# The outer time-out only guards against the fuzzer itself hanging past its own limits.
status=0
timeout --kill-after=10 $((FUZZ_SECONDS + 300)) \
    "$BUILD_DIR/fuzz/console_fuzzer" -max_total_time="$FUZZ_SECONDS" -timeout=10 \
    -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$BUILD_DIR/findings/" "$BUILD_DIR/corpus" "$ROOT/fuzz/corpus" \
    > "$log" 2>&1 || status=$?
grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::' "$log" || true
if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "Fuzzing found a fault (exit $status); the input is in $BUILD_DIR/findings" >&2
    exit 1
fi
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
echo "Fuzzing: $runs inputs ran in ${FUZZ_SECONDS}s with no finding"
