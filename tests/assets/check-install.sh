#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that exactly the expected files arrive, that
# the menu entry and the AppStream metadata validate, and that cpack builds a Debian package with
# the program's run-time dependencies.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

expected="bin/corvanta
lib/corvanta/libcorvanta_sound.so
share/applications/org.corvanta.Corvanta.desktop
share/corvanta/endpinpon.wav
share/corvanta/pinpon.wav
share/icons/hicolor/32x32/apps/org.corvanta.Corvanta.png
share/metainfo/org.corvanta.Corvanta.metainfo.xml"
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
if [ "$actual" != "$expected" ]; then
  echo "installed files differ from the expected list:"; diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi

desktop=$prefix/share/applications/org.corvanta.Corvanta.desktop
desktop-file-validate "$desktop"
grep -qx "Path=$prefix/share/corvanta" "$desktop" || { echo "Path= is not the cue folder:"; grep Path "$desktop"; exit 1; }
grep -qx "Exec=corvanta" "$desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.corvanta.Corvanta.metainfo.xml" >/dev/null

icon=$prefix/share/icons/hicolor/32x32/apps/org.corvanta.Corvanta.png
file "$icon" | grep -q "PNG image data, 32 x 32, 8-bit/color RGB," || { echo "icon is not a 32 x 32 24-bit PNG"; file "$icon"; exit 1; }

# The Debian package: version, installed files and dependencies.
(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" >/dev/null 2>&1)
deb=$(ls "$work"/package/*.deb)
dpkg-deb -f "$deb" Version | grep -qx "1.0.0"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins fonts-ipafont-gothic; do
  case "$depends" in
    *"$needed"*) ;;
    *) echo "package does not depend on $needed: $depends"; exit 1 ;;
  esac
done
contents=$(dpkg-deb -c "$deb")
grep -q "./usr/bin/corvanta" <<<"$contents"
grep -q "./usr/lib/corvanta/libcorvanta_sound.so" <<<"$contents"
grep -q "./usr/share/corvanta/pinpon.wav" <<<"$contents"
entry=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/org.corvanta.Corvanta.desktop)
grep -qx "Path=/usr/share/corvanta" <<<"$entry"
echo "install layout, menu entry, metadata and package are as expected"
