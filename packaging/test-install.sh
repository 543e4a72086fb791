#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program offscreen.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.quillmere.Quillmere
for file in bin/quillmere lib/quillmere/quillmere lib/quillmere/help.htm \
            share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/man/man1/quillmere.1.gz share/doc/quillmere/copyright \
            share/doc/quillmere/changelog.gz \
            share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/quillmere.png; do
    [ -e "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
grep -q '^Exec=quillmere$' "$prefix/share/applications/$id.desktop"
bash "$(dirname "$0")/expect-running.sh" "$prefix/bin/quillmere"
echo "installed program started"
