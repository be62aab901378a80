#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root and starts both programs from there.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
# Read the control data whole: grep -q stops early, and with pipefail the writer's SIGPIPE
# would fail the check at random.
info=$(dpkg-deb -I "$deb")
grep -q 'Depends:.*libqt6' <<<"$info" || { echo "no Qt dependency recorded"; exit 1; }
grep -q 'Depends:.*qt6-translations-l10n' <<<"$info" || { echo "no Qt translations dependency"; exit 1; }
dpkg-deb -x "$deb" "$work/root"

for f in usr/bin/kelvor310 usr/bin/kelvor310-cli usr/share/applications/kelvor310.desktop \
         usr/share/mime/packages/kelvor310.xml usr/share/icons/hicolor/scalable/apps/kelvor310.svg; do
    [ -e "$work/root/$f" ] || { echo "missing $f"; exit 1; }
done
desktop-file-validate "$work/root/usr/share/applications/kelvor310.desktop"

"$work/root/usr/bin/kelvor310-cli" --help >/dev/null

# The window program must come up and stay up; the test then closes it.
export QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"
(cd "$work" && exec "$work/root/usr/bin/kelvor310") &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { echo "kelvor310 exited early"; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "package ok"
