#!/usr/bin/env bash
# Builds what is missing and writes the Debian package
# corvane-viewer_<version>_<architecture>.deb into build/ (or $BUILD_DIR).
# Install it with: sudo apt install ./build/corvane-viewer_*.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
# The package holds the two programs and what they need, not the tests.
BUILD_TARGETS="${BUILD_TARGETS:-corvane-viewer corvane-cli}" "$root/scripts/build.sh"
cd "$build"
rm -f corvane-viewer_*.deb
cpack --config CPackConfig.cmake >/dev/null
package="$(ls corvane-viewer_*.deb)"
# Without dpkg-shlibdeps CPack quietly leaves out the libraries the programs
# link, and the package would install on systems where they cannot start.
if ! dpkg-deb -f "$package" Depends | grep -q 'libqt6core6'; then
  echo "package.sh: $package lacks the dependencies on the linked libraries" >&2
  exit 1
fi
echo "$build/$package"
