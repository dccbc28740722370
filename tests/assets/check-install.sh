#!/usr/bin/env bash
# The build installed into a temporary prefix, and as a Debian package: its files, menu entry and metadata.
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
said=$(cmake --install "$build_dir" --prefix "$prefix" 2>&1) || fail "cmake --install into $prefix failed: $said"
icons=$(for size in 32 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/org.corvanta.Corvanta.png"; done)
expected=$(printf '%s\n' bin/corvanta share/applications/org.corvanta.Corvanta.desktop share/corvanta/endpinpon.wav \
  share/corvanta/pinpon.wav share/doc/corvanta/changelog.gz share/doc/corvanta/copyright $icons \
  share/icons/hicolor/scalable/apps/org.corvanta.Corvanta.svg share/man/man1/corvanta.1.gz \
  share/metainfo/org.corvanta.Corvanta.metainfo.xml | sort)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "installed files (>) differ: $(diff <(echo "$expected") <(echo "$actual"))"
entry=$(echo "$prefix"/share/applications/*.desktop) metainfo=$(echo "$prefix"/share/metainfo/*.xml)
said=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate on the menu entry: $said"
grep -qx StartupWMClass=corvanta "$entry" || fail "the menu entry names no window class corvanta"
# The one warning a project with no public home yet must have: no homepage.
said=$(appstreamcli validate --no-net "$metainfo" 2>&1) || [ "$(grep '^[EW]:' <<<"$said")" = \
  "W: org.corvanta.Corvanta:~: url-homepage-missing" ] || fail "appstreamcli validate --no-net on the metadata: $said"
said=$(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" 2>&1) ||
  fail "cpack -G DEB failed: $said"
deb=$(echo "$work"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libpulse0 qt6-qpa-plugins fonts-ipafont-gothic; do
  [[ $depends == *$needed* ]] || fail "the package does not depend on $needed: Depends: $depends"
done
# Debian 13's lintian fails the metadata for the same missing homepage (an override would be an error on Debian 12's).
said=$(lintian --fail-on error,warning "$deb" 2>&1) || [ "$(grep '^[EW]:' <<<"$said")" = \
  'W: corvanta: appstream-metadata-validation-failed Problems reported by "appstreamcli validate-tree".' ] ||
  fail "lintian --fail-on error,warning: $said"
echo "install layout, menu entry, metadata and package are as expected"
