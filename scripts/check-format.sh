#!/usr/bin/env bash
# Lists every C++ file under the given folder (the checkout by default) that does not
# match its .clang-format, and fails when there is one. Build folders are skipped.
# `clang-format -i FILE` fixes a listed file.
set -euo pipefail
root=${1:-$(dirname "$0")/..}
status=0
while IFS= read -r -d '' file; do
    if ! clang-format --style=file --dry-run -Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file"
        status=1
    fi
done < <(find "$root" \( -name 'build*' -o -name '.git' \) -prune -o \
              -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
exit $status
