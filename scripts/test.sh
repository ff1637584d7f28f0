#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: the Release
# build with warnings as errors (size check and the window checks under Xvfb
# included), the same tests under ASan+UBSan, and a short fuzz run of every
# reader of untrusted bytes.
#   scripts/test.sh            everything
#   scripts/test.sh --quick    the Release build and its tests only
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0
[ "${1:-}" = "--quick" ] && quick=1
jobs=$(nproc)
scripts/install-deps.sh

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
ctest --test-dir build-asan --output-on-failure -j "$jobs" -E player_size

echo "== Fuzz smoke"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORU_FUZZ=ON \
  -DZORU_SANITIZE=ON -DBUILD_TESTING=OFF -DZORU_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz_loader fuzz_ini fuzz_picture
seconds=${FUZZ_SECONDS:-30}
for target in loader ini picture; do
  work=$(mktemp -d)
  seeds=fuzz/corpus/$target
  if [ "$target" = loader ]; then
    seeds=$(mktemp -d)
    cp build-ci/examples/*.puz "$seeds"/ 2>/dev/null || true
  fi
  echo "-- fuzz_$target for ${seconds}s"
  build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -rss_limit_mb=4096 -print_final_stats=0 \
    "$work" "$seeds" 2>&1 | tail -n 2
  rm -rf "$work"
done
echo "== All checks passed"
