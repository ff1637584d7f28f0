#!/usr/bin/env bash
# Runs every libFuzzer target over its seeds, by default 10 minutes each
# (scripts/test.sh runs them for 20 seconds). Each target's corpus grows in
# build-fuzz/corpus/<target>; crashing inputs land in build-fuzz/crashes/.
#   scripts/fuzz.sh                        every target for 10 minutes
#   scripts/fuzz.sh --seconds 60 loader    only the named targets, 60 s each
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=600
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    -s|--seconds) seconds=$2; shift 2 ;;
    -h|--help) sed -n 2,7p "$0"; exit 0 ;;
    *) targets+=("$1"); shift ;;
  esac
done
all=(loader record picture ini colours source puz ipuz)
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")
jobs=$(nproc)

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORU_FUZZ=ON \
  -DZORU_SANITIZE=ON -DBUILD_TESTING=OFF -DZORU_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzz_all zoruvidedid-tool

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
# The record target draws text: its font leaks are suppressed by whole stacks,
# which the slow unwinder records through Qt's libraries. The others keep the
# fast unwinder, which costs a third of the loader's speed less.
slow_unwind="fast_unwind_on_malloc=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

# Seeds: the examples as puzzle files and as module blocks (with the example
# settings and the picture behind them), their sources, pictures and settings.
seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/records "$seeds"/pictures "$seeds"/settings "$seeds"/sources
settings=examples/schwedenraetsel.ini
length=$(stat -c %s "$settings")
length_word=$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((length & 255)) $((length >> 8 & 255)) \
  $((length >> 16 & 255)) $((length >> 24 & 255)))
for src in examples/*.raetsel; do
  name=$(basename "$src" .raetsel)
  puz="$seeds/records/$name.zvr"
  ASAN_OPTIONS=detect_leaks=0 build-fuzz/tools/zoruvidedid-tool compile "$src" -o "$puz" >/dev/null
  {
    head -c 31 "$puz"
    printf '\xf4\x52\x01\x00' # the record's size, 86772
    tail -c +32 "$puz" | head -c 86772
    printf "$length_word"
    cat "$settings"
    tail -c +86804 "$puz"
  } >"$seeds/records/$name.module"
done
cp fuzz/corpus/picture/* examples/*.jpg examples/*.bmp "$seeds/pictures/"
cp fuzz/corpus/ini/* "$settings" "$seeds/settings/"
cp examples/*.raetsel "$seeds/sources/"

seeds_of() {
  case "$1" in
    loader | record) echo "$seeds/records" ;;
    picture) echo "$seeds/pictures" ;;
    ini | colours) echo "$seeds/settings" ;;
    source) echo "$seeds/sources" ;;
    puz | ipuz) echo "fuzz/corpus/$1" ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  crashes=build-fuzz/crashes/$target
  mkdir -p "$corpus" "$crashes"
  seed_dir=$(seeds_of "$target")
  [ -n "$seed_dir" ] || { echo "unknown fuzz target: $target" >&2; exit 2; }
  echo "-- fuzz_$target for ${seconds}s"
  log=build-fuzz/fuzz_$target.log
  unwind=
  [ "$target" = record ] && unwind=":$slow_unwind"
  if LSAN_OPTIONS="$LSAN_OPTIONS$unwind" build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "$seed_dir" >"$log" 2>&1; then
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" "$log" |
      tr '\n' ' '
    echo
  else
    echo "fuzz_$target FAILED, see $log" >&2
    tail -n 30 "$log" >&2
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets that failed: ${failed[*]}" >&2
  exit 1
fi
