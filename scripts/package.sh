#!/usr/bin/env bash
# Builds what a person installs into dist/: the Debian package, the portable Windows zip, the
# Windows installer, the web page and the web app's folder, with their SHA-256 sums in
# dist/SHA256SUMS.
# Usage: scripts/package.sh
# The same commit gives the same bytes wherever, whenever and by whomever it is built.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh packaging
# The same permissions on what the build makes, and the same order of names (the globs below,
# the tools' own sorting) and handling of the Chinese file names, whatever the builder's settings.
umask 022
export LC_ALL=C.UTF-8
version="$(sed -n 's/^project(weiyuanchuang VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)"
release_date="$(sed -n 's/^set(WYC_RELEASE_DATE \([0-9-]*\))$/\1/p' CMakeLists.txt)"
[ -n "$version" ] && [ -n "$release_date" ] ||
  { echo "package.sh: CMakeLists.txt names no project(VERSION) or WYC_RELEASE_DATE" >&2; exit 1; }
# Every time stamp in the packages, as packaging/CMakeLists.txt computes it: the caller's
# SOURCE_DATE_EPOCH, else the release date beside project(VERSION) at 00:00 UTC. Qt's rcc (the
# icon's time), cpack (the .deb's members) and the MinGW linker (the programs' headers) read it.
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(date -u -d "$release_date" +%s)}"
# From scratch, so that nothing of an earlier build or version slips into a release.
rm -rf dist build/package-linux build/package-windows build/package-web
mkdir dist

# The release build without tests, with Debian's own flags; cpack strips it. Those flags map this
# folder to "." in the debug information, whose bytes make up the GNU build ID. The hardening is
# cmake/hardening.cmake's, as for every build (dpkg's would lower _FORTIFY_SOURCE to 2); +pie
# keeps dpkg from adding flags that turn the compiler's PIE off, for CMake's own flags to undo.
export DEB_BUILD_MAINT_OPTIONS=hardening=-all,+pie
cmake --preset release -B build/package-linux -DWYC_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build/package-linux -j2
(cd build/package-linux && cpack -B packages)
cp "build/package-linux/packages/weiyuanchuang_${version}_amd64.deb" dist/

# Windows: the 32-bit cross build, so that a 32-bit skin library can load beside the program.
cmake --preset windows-i686 -B build/package-windows -DWYC_BUILD_TESTS=OFF
cmake --build build/package-windows -j2 --target windows_packages
cp "build/package-windows/packaging/weiyuanchuang-$version-"{win32.zip,setup.exe} dist/

# The web page: one HTML file with everything inside it; and the installable web app, its folder
# zipped as "weiyuanchuang/", ready to upload to a static host.
cmake --preset web -B build/package-web -DWYC_BUILD_TESTS=OFF
cmake --build build/package-web
cp build/package-web/weiyuanchuang.html "dist/weiyuanchuang-$version.html"
mkdir build/package-web/zip && cp -r build/package-web/site build/package-web/zip/weiyuanchuang
(cd build/package-web/zip && find weiyuanchuang -type f | sort |
  xargs /usr/bin/python3 ../../../packaging/make_zip.py "../../../dist/weiyuanchuang-$version-site.zip" \
    "$SOURCE_DATE_EPOCH")

(cd dist && sha256sum -- * | tee SHA256SUMS)
