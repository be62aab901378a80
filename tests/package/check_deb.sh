#!/usr/bin/env bash
# Builds the .deb, has lintian check it (any error or warning fails), unpacks it into a
# temporary root and starts both programs from there.
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
lintian --fail-on error,warning --tag-display-limit 0 "$deb"
dpkg-deb -x "$deb" "$work/root"

for f in usr/bin/kelvor310 usr/bin/kelvor310-cli usr/share/applications/kelvor310.desktop \
         usr/share/mime/packages/kelvor310.xml usr/share/icons/hicolor/scalable/apps/kelvor310.svg \
         usr/share/man/man1/kelvor310.1.gz usr/share/man/man1/kelvor310-cli.1.gz; do
    [ -e "$work/root/$f" ] || { echo "missing $f"; exit 1; }
done
desktop-file-validate "$work/root/usr/share/applications/kelvor310.desktop"

version=$(dpkg-deb -f "$deb" Version)
for program in kelvor310 kelvor310-cli; do
    [ "$("$work/root/usr/bin/$program" --version)" = "$program $version" ] ||
        { echo "$program does not answer --version with $version"; exit 1; }
done

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
