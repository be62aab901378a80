#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: first the normal build,
# then the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer (a clang
# build, which also carries the fuzz targets), then each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"

BUILD_DIR=build-asan BUILD_TYPE=Debug scripts/build.sh -DCMAKE_CXX_COMPILER=clang++ \
    -DKELVOR_SANITIZE=ON -DKELVOR_FUZZ=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/fuzz/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -LE package

scripts/fuzz.sh build-asan "${FUZZ_SECONDS:-60}"
