#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (dpkg-buildpackage -us -uc -b) into build-deb/
# and checks it with lintian, which must report no error and no warning.
# Installs the packaging tools and the build dependencies first.
#
# The package is built from a copy of the files git knows (tracked, or new
# and not ignored), so local build folders never end up in it; the copy
# sits at a fixed place so that the compiler cache serves repeated builds.
# Set DEB_BUILD_OPTIONS=nocheck (and DEB_BUILD_PROFILES=nocheck) to skip
# compiling and running the tests, e.g. when scripts/test.sh has just run.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

tools=(build-essential dpkg-dev debhelper lintian git)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
updated=no
if [ "${#missing[@]}" -gt 0 ]; then
  $SUDO apt-get update
  updated=yes
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
profiles=${DEB_BUILD_PROFILES:-}
if ! dpkg-checkbuilddeps ${profiles:+-P"${profiles// /,}"} debian/control 2>/dev/null; then
  [ "$updated" = yes ] || $SUDO apt-get update
  $SUDO apt-get build-dep -y --no-install-recommends ${profiles:+-P "${profiles// /,}"} ./
fi

version=$(dpkg-parsechangelog -S Version)
stage="${TMPDIR:-/tmp}/talvoren-deb"
tree="$stage/talvoren-$version"
rm -rf "$stage"
mkdir -p "$tree"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar --null -T - -cf - | tar -xf - -C "$tree"

# debhelper gives the build a home of its own: point ccache at the usual cache.
if command -v ccache >/dev/null && [ -z "${CCACHE_DIR:-}" ]; then
  CCACHE_DIR=$(ccache -k cache_dir)
  export CCACHE_DIR
fi

# The source package too, from the clean copy, so that lintian checks the
# packaging itself; the binary package is what gets installed.
(cd "$stage" && dpkg-source -b "talvoren-$version")
(cd "$tree" && dpkg-buildpackage -us -uc -b -J"$(nproc)")

arch=$(dpkg-architecture -qDEB_HOST_ARCH)
changes="$stage/talvoren_${version}_${arch}.changes"
echo "== lintian $(basename "$changes") talvoren_$version.dsc"
lintian --fail-on error,warning --display-info --pedantic "$changes" "$stage/talvoren_$version.dsc"

mkdir -p build-deb
rm -f build-deb/talvoren_*
cp "$stage"/talvoren_"$version"_* "$stage"/talvoren-dbgsym_"$version"_* build-deb/ 2>/dev/null || true
echo "package.sh: built $(ls "$top"/build-deb/talvoren_*.deb)"
