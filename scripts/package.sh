#!/usr/bin/env bash
# Installs what is missing, builds the Release programs for /usr and makes the
# Debian package build-package/zoruvidedid_<version>-1_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Debian's own build flags: fortified functions, stack protector, relocations
# read-only and bound at start, build paths mapped away. No debug info: the
# programs are stripped anyway. CMake takes no CPPFLAGS, so they join CXXFLAGS.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DZORU_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build build-package
(cd build-package && cpack -G DEB)
ls -1 "$PWD"/build-package/zoruvidedid_*.deb
