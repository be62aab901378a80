#!/usr/bin/env bash
# Installs what is missing, builds the benchmark programs optimised into ./build-bench
# and runs each of them headless, one table per program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export CCACHE_BASEDIR="$(pwd)"
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j "$(nproc)" --target kelvor_benchmarks
# A screen large enough for the whole window, as on a desktop.
export QT_QPA_PLATFORM=offscreen:configfile=$PWD/tests/support/desktop_screen.json
echo "$(nproc) cores,$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2), load:$(uptime | sed 's/.*load average://')"
for program in build-bench/bench/*_bench; do
    echo "== $(basename "$program")"
    "$program" "$@"
done
