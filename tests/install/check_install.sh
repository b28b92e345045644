#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the installed tree: the program, its
# stand-in typefaces with their licences, the desktop entry, the icons and the AppStream
# metadata, which must pass the desktop's own validators. Needs Linux desktop tools.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=io.github.glyphora.Glyphora
fail=0
expect() { [ -e "$prefix/$1" ] || { echo "missing: $1"; fail=1; }; }

expect bin/glyphora
for font in zcool-xiaowei liu-jian-mao-cao long-cang zhi-mang-xing ma-shan-zheng dancing-script kaushan-script; do
  expect share/glyphora/fonts/$font.ttf
  expect share/glyphora/fonts/$font-LICENSE.txt
  grep -q "SIL Open Font License" "$prefix/share/glyphora/fonts/$font-LICENSE.txt" || { echo "not OFL: $font"; fail=1; }
done
expect share/applications/$id.desktop
expect share/metainfo/$id.metainfo.xml
expect share/icons/hicolor/scalable/apps/$id.svg
for size in 16 32 48; do expect share/icons/hicolor/${size}x${size}/apps/$id.png; done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail=1
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" || fail=1
exit $fail
