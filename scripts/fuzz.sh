#!/usr/bin/env bash
# Runs every fuzz target of a KELVOR_FUZZ build for a bounded time. Each target's corpus
# folder keeps the seeds and every input that once failed, so they are retried each run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-asan}
seconds=${2:-60}
# A smaller quarantine and shorter allocation stacks than AddressSanitizer's defaults:
# the targets allocate many small strings, and the defaults halve their speed.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=16:malloc_context_size=8"
status=0
shopt -s nullglob
for target in "$build_dir"/tests/*_fuzz; do
    name=$(basename "$target")
    corpus=tests/fuzz/corpus/${name%_fuzz}
    work=$(mktemp -d)
    echo "fuzzing $name for ${seconds}s"
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
          -artifact_prefix="$corpus/crash-" "$work" "$corpus" >"$work.log" 2>&1; then
        tail -40 "$work.log"
        status=1
    else
        grep -E '^Done|#[0-9]+.*DONE' "$work.log" | tail -1 || true
    fi
    rm -rf "$work" "$work.log"
done
# Random user sessions against the real window; a failing one leaves its replay in the corpus.
if [ -x "$build_dir/tests/window_sessions" ]; then
    echo "playing window sessions for ${WINDOW_FUZZ_SECONDS:-60}s"
    QT_QPA_PLATFORM=offscreen "$build_dir/tests/window_sessions" \
        --seconds "${WINDOW_FUZZ_SECONDS:-60}" --out tests/fuzz/corpus/window_sessions || status=1
fi
exit $status
