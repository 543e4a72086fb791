#!/usr/bin/env bash
# Builds the Debian package, checks it and its desktop entry and AppStream metadata with
# Debian's validators, installs it with apt as a user would, starts the program by its menu
# entry's command, and removes the package again.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
cd "$build"
rm -f quillmere_*.deb quillmere-dbgsym_*.ddeb
cpack -G DEB >/dev/null
deb=$(ls "$build"/quillmere_*.deb)
dpkg-deb --field "$deb" Depends Recommends
# Errors and warnings fail; lintian's informational tags do not.
lintian --fail-on error,warning "$deb"
desktop-file-validate "$here/org.quillmere.Quillmere.desktop"
appstreamcli validate --no-net "$here/org.quillmere.Quillmere.metainfo.xml"
# Without the recommended packages: the program must start with its dependencies alone, and
# the test leaves no browser launcher or Wayland plug-in behind on the machine.
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y quillmere >/dev/null' EXIT
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.quillmere.Quillmere.desktop)
[ -f /usr/lib/quillmere/help.htm ] || { echo "manual not installed beside the program"; exit 1; }
bash "$here/expect-running.sh" "$command"
echo "package installed and the program started from its menu entry"
