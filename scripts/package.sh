#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package in build/
# (install it with: sudo apt install ./build/tavo-storage-calculator_*.deb).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# dpkg-shlibdeps (dpkg-dev) and file work out the package's library dependencies.
"$root/scripts/ensure-deps.sh" dpkg-dev file
"$root/scripts/build.sh"
build="${TAVO_BUILD_DIR:-$root/build}"
cd "$build"
cpack -G DEB
