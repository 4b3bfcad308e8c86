#!/usr/bin/env bash
# Builds what a person installs into dist/: the Debian package, the portable Windows zip and the
# Windows installer, with their SHA-256 sums in dist/SHA256SUMS. Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh packaging
# From scratch, so that nothing of an earlier build or version slips into a release.
rm -rf dist build/package-linux build/package-windows
mkdir dist

# The release build without tests, hardened with Debian's own flags; cpack strips it.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake --preset release -B build/package-linux -DWYC_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build/package-linux -j2
(cd build/package-linux && cpack -B packages)
cp build/package-linux/packages/weiyuanchuang_*.deb dist/

# Windows: the 32-bit cross build, so that a 32-bit skin library can load beside the program.
cmake --preset windows-i686 -B build/package-windows -DWYC_BUILD_TESTS=OFF
cmake --build build/package-windows -j2 --target windows_packages
cp build/package-windows/packaging/weiyuanchuang-*-{win32.zip,setup.exe} dist/

(cd dist && sha256sum -- * >SHA256SUMS)
ls -l dist
