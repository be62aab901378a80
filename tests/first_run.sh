#!/usr/bin/env bash
# Checks the README as a new user would: takes a fresh clone, runs the two set-up commands
# exactly as the README writes them (the window one under Xvfb, closed once its window is
# up) and fails if either needs a step the README does not name.
set -euo pipefail
source_repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT
git clone -q "$source_repo" "$work/clone"
cd "$work/clone"

# The two commands are the first two lines of the README's first sh block.
mapfile -t commands < <(awk '/^```sh/{inside=1; next} /^```/{if(inside) exit} inside' README.md |
                        sed 's/[[:space:]]*#.*$//' | grep -v '^[[:space:]]*$')
[ ${#commands[@]} -eq 2 ] || { echo "expected exactly two set-up commands"; exit 1; }
start_command=${commands[0]}
test_command=${commands[1]}

echo "== $test_command"
bash -c "$test_command"

echo "== $start_command (under Xvfb)"
Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
# In its own session, so the whole start command can be ended as one group.
DISPLAY=:97 HOME="$work/home" setsid bash -c "$start_command" >"$work/start.log" 2>&1 &
start_pid=$!
for _ in $(seq 1 600); do
    if DISPLAY=:97 xwininfo -root -tree 2>/dev/null | grep -q 'KELVOR-310'; then
        echo "window is up"
        kill -- "-$start_pid" 2>/dev/null || true
        wait "$start_pid" 2>/dev/null || true
        exit 0
    fi
    kill -0 "$start_pid" 2>/dev/null || { cat "$work/start.log"; echo "start command ended early"; exit 1; }
    sleep 1
done
echo "window did not appear"
exit 1
