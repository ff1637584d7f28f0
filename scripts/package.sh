#!/usr/bin/env bash
# Installs what is missing, builds the Release programs for /usr and makes the
# Debian package build-package/zoruvidedid_<version>-1_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DZORU_BENCH=OFF
cmake --build build-package
(cd build-package && cpack -G DEB)
ls -1 "$PWD"/build-package/zoruvidedid_*.deb
