#!/usr/bin/env bash
# Builds the Debian package, installs it with apt as a user would, starts the program
# by its menu entry's command, and removes the package again.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
cd "$build"
rm -f quillmere_*.deb
cpack -G DEB >/dev/null
deb=$(ls "$build"/quillmere_*.deb)
dpkg-deb --field "$deb" Depends
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y quillmere >/dev/null' EXIT
command=$(sed -n 's/^Exec=//p' /usr/share/applications/quillmere.desktop)
[ -f /usr/lib/quillmere/help.htm ] || { echo "manual not installed beside the program"; exit 1; }
bash "$here/expect-running.sh" "$command"
echo "package installed and the program started from its menu entry"
