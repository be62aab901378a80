#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: first the normal build
# (Release, as the .deb is made from it), then the format and clang-tidy checks, then the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer (a clang
# build, which also carries the fuzz targets), then each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

BUILD_TYPE=Release scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"

scripts/check-format.sh
# The sources changed since TIDY_SINCE (a git revision), or all of them when it is unset.
scripts/tidy.sh build "${TIDY_SINCE:-}"

BUILD_DIR=build-asan BUILD_TYPE=Debug scripts/build.sh -DCMAKE_CXX_COMPILER=clang++ \
    -DKELVOR_SANITIZE=ON -DKELVOR_FUZZ=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/fuzz/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -LE package

scripts/fuzz.sh build-asan "${FUZZ_SECONDS:-60}"
