#!/usr/bin/env bash
# The format check passes a formatted file and names a misformatted one.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/.clang-format" "$work/"
printf 'int twice(int x) {\n    return 2 * x;\n}\n' >"$work/good.cpp"
"$source_dir/scripts/check-format.sh" "$work"

printf 'int  twice(int x){return 2*x;}\n' >"$work/bad.cpp"
if out=$("$source_dir/scripts/check-format.sh" "$work"); then
    echo "a misformatted file passed"
    exit 1
fi
[ "$out" = "not formatted: $work/bad.cpp" ] || { echo "unexpected report: $out"; exit 1; }
echo "format check ok"
