#!/usr/bin/env bash
# Builds the project and runs the whole test suite: once normally, once
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz
# targets for about 30 seconds each when clang is present.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages

export QT_QPA_PLATFORM=offscreen

echo "== build and test"
configure_and_build build
ctest --test-dir build --output-on-failure -j2

echo "== build and test under ASan and UBSan"
configure_and_build build-asan -DKM62RX_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j2

if command -v clang++ >/dev/null; then
  echo "== fuzz"
  CC=clang CXX=clang++ configure_and_build build-fuzz -DKM62RX_FUZZ=ON -DKM62RX_GUI=OFF
  for fuzzer in build-fuzz/bin/fuzz_*; do
    corpus=$(mktemp -d)
    cp fuzz/corpus/* "$corpus"/ 2>/dev/null || true
    "$fuzzer" -max_total_time="${FUZZ_SECONDS:-30}" -max_len=4096 "$corpus"
    rm -rf "$corpus"
  done
fi
echo "== all tests passed"
