#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   ./test.sh             the normal build in build/
#   ./test.sh --sanitize  everything under ASan and UBSan, in build-sanitize/
#   ./test.sh --long      the crash-safety test with 1000 kills instead of a few dozen
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

build_dir=build
# ./run.sh leaves the tests switched off in the shared build folder: switch them on again.
cmake_args=(-DVELLORA_TESTS=ON)
for arg in "$@"; do
  case "$arg" in
    --sanitize)
      build_dir=build-sanitize
      cmake_args+=(-DVELLORA_SANITIZE=ON -DVELLORA_BENCH=OFF)
      # Leaks are checked at every test binary's exit; the libraries' own start-up
      # allocations that live to the end are listed in the suppressions.
      export ASAN_OPTIONS=detect_leaks=1
      export LSAN_OPTIONS=suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0
      export UBSAN_OPTIONS=print_stacktrace=1 ;;
    --long) export VELLORA_CRASH_KILLS=1000 ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

tools/install-deps.sh "${VELLORA_BUILD_PACKAGES[@]}" "${VELLORA_RUN_PACKAGES[@]}" "${VELLORA_TEST_PACKAGES[@]}"

cmake -S . -B "$build_dir" "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
cd "$build_dir"
ctest --output-on-failure -j"$(nproc)" --timeout 600
