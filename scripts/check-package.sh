#!/usr/bin/env bash
# Installs the Debian package `make package` built on this machine, checks that it works as a
# user would find it (the command-line tool and its manual page, both windowed programs showing
# their windows on a virtual screen, Kestrelon opening a project named on its command line, the
# .kst file type known to the desktop), then removes it again. Needs root.
# Usage: scripts/check-package.sh [BUILD]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
package=$(ls "$build"/kestrelon_*.deb | tail -n 1)
work=$(mktemp -d)
removed=false
cleanup() {
    $removed || dpkg -r kestrelon >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
step() { echo "== $*"; }

step "the package: $package"
dpkg-deb -f "$package" Package Version Depends
step "installing"
apt-get install -y "./$package" >/dev/null
dpkg -L kestrelon | grep -E '^/usr/(bin|share/(applications|man|mime|icons))/' | sort

step "kestrelon-cli from the package"
/usr/bin/kestrelon-cli --help | head -n 3
man -w kestrelon-cli
/usr/bin/kestrelon-cli run /usr/share/doc/kestrelon/examples/battle.kst -o "$work/battle.an8" --frames 30 --quiet

step "the .kst file type"
grep -q 'application/x-kestrelon-project:\*\.kst' /usr/share/mime/globs2 && echo "*.kst is application/x-kestrelon-project"
grep -q '^MimeType=application/x-kestrelon-project;' /usr/share/applications/kestrelon.desktop &&
    echo "kestrelon.desktop opens it"

step "the windows, on a virtual screen"
tests/ui/window-screenshot.sh /usr/bin/kestrelon 'Kestrelon!' "$work/kestrelon.png"
tests/ui/window-screenshot.sh /usr/bin/tessary Tessary "$work/tessary.png"
cp /usr/share/doc/kestrelon/examples/battle.kst "$work/"
tests/ui/window-screenshot.sh /usr/bin/kestrelon 'battle.kst - Kestrelon!' "$work/opened.png" "$work/battle.kst"
cp "$work/kestrelon.png" "$build/package-kestrelon-window.png"

step "removing"
dpkg -r kestrelon >/dev/null
removed=true
[[ ! -e /usr/bin/kestrelon-cli && ! -e /usr/share/applications/kestrelon.desktop ]] && echo "gone again"
