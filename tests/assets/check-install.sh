#!/usr/bin/env bash
# The build installed into a temporary prefix, and as a Debian package: its files, menu entry, metadata and licence.
# Each step that fails says what it checked and what it found.
set -euo pipefail
fail() {
  echo "$*"
  exit 1
}
trap 'echo "stopped at line $LINENO: $BASH_COMMAND"' ERR # a step that fails without a word of its own
build_dir=$(cd "$1" && pwd) || fail "no build folder $1"
work=$(mktemp -d) prefix=$work/prefix
trap 'rm -rf "$work"' EXIT
touch "$work/before"
said=$(cmake --install "$build_dir" --prefix "$prefix" 2>&1) || fail "cmake --install into $prefix failed: $said"
written=$(find "$build_dir" -type f -newer "$work/before" ! -name install_manifest.txt ! -path "*/Testing/*")
[ -z "$written" ] || fail "the install wrote into the build tree: $written"
sizes="32 48 64 128 256"
icons=$(for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/org.corvanta.Corvanta.png"; done)
expected=$(printf '%s\n' bin/corvanta share/applications/org.corvanta.Corvanta.desktop share/corvanta/endpinpon.wav \
  share/corvanta/pinpon.wav share/doc/corvanta/changelog.gz share/doc/corvanta/copyright $icons \
  share/icons/hicolor/scalable/apps/org.corvanta.Corvanta.svg share/man/man1/corvanta.1.gz \
  share/metainfo/org.corvanta.Corvanta.metainfo.xml | sort)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "installed files differ (< expected, > installed): $(diff <(echo "$expected") <(echo "$actual"))"
manifest=$(sed "s|^$prefix/||" "$build_dir/install_manifest.txt" | sort)
[ "$manifest" = "$expected" ] ||
  fail "install_manifest.txt differs (< expected, > listed): $(diff <(echo "$expected") <(echo "$manifest"))"
entry=$(echo "$prefix"/share/applications/*.desktop) metainfo=$(echo "$prefix"/share/metainfo/*.xml)
said=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate on the menu entry: $said"
grep -qx StartupWMClass=corvanta "$entry" ||
  fail "the menu entry names no window class corvanta: $(grep StartupWMClass "$entry" || echo "no StartupWMClass line")"
# The one warning a project with no public home yet must have: no homepage.
said=$(appstreamcli validate --no-net "$metainfo" 2>&1) || [ "$(grep '^[EW]:' <<<"$said")" = \
  "W: org.corvanta.Corvanta:~: url-homepage-missing" ] || fail "appstreamcli validate --no-net on the metadata: $said"
grep -q "<project_license>MIT</project_license>" "$metainfo" ||
  fail "the metadata does not say MIT: $(grep project_license "$metainfo" || echo "no project_license")"
# Every language the program speaks names and describes it in the menu entry and the metadata too.
for lang in $(cd "$(dirname "$0")"/../../translations && ls corvanta_*.ts | sed 's/corvanta_\(.*\)\.ts/\1/'); do
  for key in GenericName Comment; do
    grep -q "^$key\[$lang\]=" "$entry" || fail "the menu entry has no $key[$lang]"
  done
  count=$(grep -c "xml:lang=\"$lang\"" "$metainfo") || true
  [ "$count" = 4 ] || fail "the metadata has $count texts in $lang, not 4 (summary, two paragraphs, release note)"
done
icon_dir=$prefix/share/icons/hicolor
for size in $sizes; do
  said=$(file "$icon_dir"/${size}x$size/apps/*.png)
  grep -q "PNG image data, $size x $size, 8-bit/color RGB," <<<"$said" || fail "icon not $size x $size RGB: $said"
done
said=$(file "$icon_dir"/scalable/apps/*.svg)
grep -q "SVG Scalable Vector Graphics image" <<<"$said" || fail "no SVG icon: $said"
page=$(man -l "$prefix/share/man/man1/corvanta.1.gz" 2>&1)
for cue in pinpon.wav endpinpon.wav; do
  grep -qw "$cue" <<<"$page" || fail "the manual page does not name $cue: $page"
done
said=$(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" 2>&1) ||
  fail "cpack -G DEB failed: $said"
deb=$(echo "$work"/package/*.deb)
[ -f "$deb" ] || fail "cpack made no package: $said"
version=$(dpkg-deb -f "$deb" Version) depends=$(dpkg-deb -f "$deb" Depends)
[ "$version" = 1.0.0 ] || fail "the package's version is $version, not 1.0.0"
for needed in libqt6widgets6 libpulse0 qt6-qpa-plugins fonts-ipafont-gothic; do
  [[ $depends == *$needed* ]] || fail "the package does not depend on $needed: Depends: $depends"
done
# Debian 13's lintian validates the metadata too, and fails it for the same missing homepage: that one warning is
# accepted, by name and no other. An override in the package cannot say so: Debian 12's lintian calls an override of
# a tag it does not know an error.
said=$(lintian --fail-on error,warning "$deb" 2>&1) || [ "$(grep '^[EW]:' <<<"$said")" = \
  'W: corvanta: appstream-metadata-validation-failed Problems reported by "appstreamcli validate-tree".' ] ||
  fail "lintian --fail-on error,warning: $said"
echo "install layout, menu entry, metadata, manual page and package are as expected"
