#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: the Release
# build with warnings as errors (size check, the window checks under Xvfb, and
# the checks of a staged install and of the Debian package included), the same
# tests under ASan+UBSan, and a short fuzz run of every reader and interpreter
# of untrusted bytes (scripts/fuzz.sh).
#   scripts/test.sh            everything
#   scripts/test.sh --quick    the Release build and its tests only
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0
[ "${1:-}" = "--quick" ] && quick=1
jobs=$(nproc)
scripts/install-deps.sh

echo "== Source format"
scripts/check-format.sh

echo "== Release build and tests"
cmake -S . -B build-ci -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORU_WERROR=ON
cmake --build build-ci -j "$jobs"
ctest --test-dir build-ci --output-on-failure -j "$jobs"
[ $quick -eq 1 ] && exit 0

echo "== Sanitizer build and tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORU_WERROR=ON -DZORU_SANITIZE=ON -DZORU_BENCH=OFF
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0:fast_unwind_on_malloc=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The checks that drag and type through screenshots depend on timing, which the
# sanitizers stretch; they run in the Release build above.
ctest --test-dir build-asan --output-on-failure -j "$jobs" \
  -E 'player_size|e2e_sidewindows_check|e2e_every_kind_check'

echo "== Fuzz smoke"
scripts/fuzz.sh --seconds "${FUZZ_SECONDS:-20}"
echo "== All checks passed"
