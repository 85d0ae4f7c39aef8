#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under ASan and UBSan and runs them one
# after another, each for the given number of seconds (default 600).
#   tests/fuzz/run.sh [seconds] [target ...]
# Seeds: tests/fuzz/corpus/, the sample book and, for the
# data-folder target, that book packed as one data folder; the picture cache's
# parser starts from tests/fuzz/corpus_pictures/. Findings go to
# build-fuzz/artifacts/<target>/; the grown corpus stays in build-fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_store_load fuzz_load_stores fuzz_picture_cache)

source tools/packages.sh
tools/install-deps.sh "${VELLORA_BUILD_PACKAGES[@]}" "${VELLORA_FUZZ_PACKAGES[@]}"

fuzz_build=$root/build-fuzz
CXX=clang++ CC=clang cmake -S . -B "$fuzz_build" -DVELLORA_FUZZ=ON -DVELLORA_GUI=OFF \
  -DVELLORA_TESTS=OFF -DVELLORA_BENCH=OFF >/dev/null
# The targets and the sample book, which the content builder writes into app/data.
cmake --build "$fuzz_build" -j2 --target "${targets[@]}" vellora_book_data
sample=$fuzz_build/app/data

section() { printf '\n@@@ %s\n' "$1"; cat "$2"; }

seed_store_load() {
  cp "$root"/tests/fuzz/corpus/* "$1"/
  for f in word.dat word.lst sens.dat; do cp "$sample/$f" "$1/sample-$f"; done
}

seed_load_stores() {
  local out=$1 small=$root/tests/fixtures/book_small corpus=$root/tests/fuzz/corpus
  { section word.dat "$small/word.dat"; section word.lst "$small/word.lst"; section sens.dat "$small/sens.dat"; } \
    >"$out/small-book"
  { cat "$out/small-book"; section His.dat "$corpus/His.dat"; section notes2.dat "$corpus/notes2.dat"
    section snotes2.dat "$corpus/notes2.dat"; section WSCross.dat "$corpus/WSCross.dat"; } >"$out/small-learner"
  { section word.dat "$sample/word.dat"; section word.lst "$sample/word.lst"; section sens.dat "$sample/sens.dat"; } \
    >"$out/sample-book"
  { cat "$out/small-book"; printf '\n@@@ His.dat/\n'; } >"$out/history-folder"
}

seed_picture_cache() {
  cp "$root"/tests/fuzz/corpus_pictures/* "$1"/
}

for target in "${targets[@]}"; do
  corpus=$fuzz_build/corpus/$target
  artifacts=$fuzz_build/artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  "seed_${target#fuzz_}" "$corpus"
  echo "== $target for ${seconds}s, started $(date -u +%H:%M:%S)"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$fuzz_build/tests/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len=262144 \
    -rss_limit_mb=2048 -timeout=20 -print_final_stats=1 -artifact_prefix="$artifacts/" \
    -dict="$root/tests/fuzz/data_files.dict"
  echo "== $target ended $(date -u +%H:%M:%S)"
done
