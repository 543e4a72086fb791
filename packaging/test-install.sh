#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program offscreen.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/quillmere lib/quillmere/quillmere lib/quillmere/help.htm \
            share/applications/quillmere.desktop share/icons/hicolor/128x128/apps/quillmere.png; do
    [ -e "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
grep -q '^Exec=quillmere$' "$prefix/share/applications/quillmere.desktop"
bash "$(dirname "$0")/expect-running.sh" "$prefix/bin/quillmere"
echo "installed program started"
