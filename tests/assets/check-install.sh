#!/usr/bin/env bash
# The build installed into a temporary prefix, and as a Debian package: its files, menu entry, metadata and licence.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
work=$(mktemp -d) prefix=$work/prefix
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }
touch "$work/before"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
written=$(find "$build_dir" -type f -newer "$work/before" ! -name install_manifest.txt ! -path "*/Testing/*")
[ -z "$written" ] || fail "the install wrote into the build tree: $written"
sizes="32 48 64 128 256"
icons=$(for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/org.corvanta.Corvanta.png"; done)
expected=$(printf '%s\n' bin/corvanta share/applications/org.corvanta.Corvanta.desktop share/corvanta/endpinpon.wav \
  share/corvanta/pinpon.wav share/doc/corvanta/changelog.gz share/doc/corvanta/copyright $icons \
  share/icons/hicolor/scalable/apps/org.corvanta.Corvanta.svg share/man/man1/corvanta.1.gz \
  share/metainfo/org.corvanta.Corvanta.metainfo.xml | sort)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "installed files differ: $(diff <(echo "$expected") <(echo "$actual"))"
[ "$(sed "s|^$prefix/||" "$build_dir/install_manifest.txt" | sort)" = "$expected" ] || fail "install_manifest.txt differs"
desktop-file-validate "$prefix"/share/applications/*.desktop
grep -qx StartupWMClass=corvanta "$prefix"/share/applications/*.desktop || fail "the menu entry names no window class"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml >/dev/null
grep -q "<project_license>MIT</project_license>" "$prefix"/share/metainfo/*.xml || fail "the metadata does not say MIT"
# Every language the program speaks names and describes it in the menu entry and the metadata too.
entry=$(echo "$prefix"/share/applications/*.desktop) metainfo=$(echo "$prefix"/share/metainfo/*.xml)
for lang in $(cd "$(dirname "$0")"/../../translations && ls corvanta_*.ts | sed 's/corvanta_\(.*\)\.ts/\1/'); do
  grep -q "^GenericName\[$lang\]=" "$entry" && grep -q "^Comment\[$lang\]=" "$entry" &&
    [ "$(grep -c "xml:lang=\"$lang\"" "$metainfo")" = 4 ] || fail "no $lang name, description or release note"
done
icon_dir=$prefix/share/icons/hicolor
for size in $sizes; do
  file "$icon_dir"/${size}x$size/apps/*.png | grep -q "PNG image data, $size x $size, 8-bit/color RGB," ||
    fail "icon not $size x $size RGB"
done
file "$icon_dir"/scalable/apps/*.svg | grep -q "SVG Scalable Vector Graphics image" || fail "no SVG icon"
for cue in pinpon.wav endpinpon.wav; do
  man -l "$prefix/share/man/man1/corvanta.1.gz" | grep -qw "$cue" || fail "the manual page does not name $cue"
done
(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" >/dev/null 2>&1)
deb=$(echo "$work"/package/*.deb) depends=$(dpkg-deb -f "$work"/package/*.deb Depends)
[ "$(dpkg-deb -f "$deb" Version)" = 1.0.0 ] || fail "version: $(dpkg-deb -f "$deb" Version)"
for needed in libqt6widgets6 libpulse0 qt6-qpa-plugins fonts-ipafont-gothic; do [[ $depends == *$needed* ]] || fail "no $needed"; done
verdict=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $verdict"
echo "install layout, menu entry, metadata, manual page and package are as expected"
