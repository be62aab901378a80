#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over our C++ sources, using the compile
# commands of a configured and built folder. With a git revision, only the sources changed
# since it; without, every source, the most recently changed first. The run is bounded:
# after TIDY_SECONDS (300 by default) no further file is started, and the files left are
# named but do not fail the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
since=${2:-}
if [ -n "$since" ]; then
    mapfile -t files < <(git diff --name-only --diff-filter=d "$since" -- '*.cpp')
else
    mapfile -t files < <(git log --format= --name-only -- '*.cpp' | awk 'NF && !seen[$0]++')
fi
# Only what this build compiles (the fuzz targets, say, are not in every build).
mapfile -t files < <(for f in "${files[@]}"; do
    grep -qF "/$f\"" "$build_dir/compile_commands.json" && echo "$f"
done)
[ ${#files[@]} -eq 0 ] && { echo "clang-tidy: no sources to check"; exit 0; }
echo "clang-tidy: ${#files[@]} sources"
export TIDY_BUILD=$build_dir TIDY_DEADLINE=$(($(date +%s) + ${TIDY_SECONDS:-300}))
export TIDY_LEFT=$(mktemp)
trap 'rm -f "$TIDY_LEFT"' EXIT
status=0
printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P "$(nproc)" bash -c '
    if [ "$(date +%s)" -ge "$TIDY_DEADLINE" ]; then echo "$0" >>"$TIDY_LEFT"; exit 0; fi
    out=$(clang-tidy -p "$TIDY_BUILD" --quiet "$0" 2>&1) || { printf "%s\n" "$out"; exit 1; }' ||
    status=1
[ -s "$TIDY_LEFT" ] && echo "clang-tidy: no time left for $(wc -l <"$TIDY_LEFT") sources"
exit $status
