#!/usr/bin/env bash
# Builds the project and runs the whole test suite: once normally (then
# builds, installs and checks the Debian package), once under
# AddressSanitizer and UndefinedBehaviorSanitizer, the Windows programs
# cross-built and tested under Wine (then the Windows setup and zip made and
# installed there), then the fuzz targets for about 30 seconds each when
# clang is present. Each step's header tells the seconds since the start.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages

export QT_QPA_PLATFORM=offscreen

echo "== build and test (at ${SECONDS} s)"
configure_and_build build
ctest --test-dir build --output-on-failure -j2 -LE wine  # the wine rows run with Windows

echo "== Debian package (at ${SECONDS} s)"
scripts/package-test.sh build

echo "== build and test under ASan and UBSan (at ${SECONDS} s)"
configure_and_build build-asan -DKM62RX_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j2 -LE wine

echo "== Windows build and test under Wine (at ${SECONDS} s)"
scripts/windows-test.sh

echo "== Windows setup and zip under Wine (at ${SECONDS} s)"
scripts/windows-installer-test.sh

if command -v clang++ >/dev/null; then
  echo "== fuzz (at ${SECONDS} s)"
  # Only the fuzz targets are built here, with clang; each runs for
  # FUZZ_SECONDS on a copy of its seed corpus fuzz/corpus/NAME/. Any crash,
  # leak, sanitizer report or input that runs for 10 seconds stops the script.
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKM62RX_FUZZ=ON -DKM62RX_GUI=OFF >/dev/null
  for source in fuzz/fuzz_*.cpp; do
    fuzzer=$(basename "$source" .cpp)
    cmake --build build-fuzz --target "$fuzzer" -j2
    work=$(mktemp -d)
    cp -r "fuzz/corpus/$fuzzer" "$work/corpus"
    if ! UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=detect_leaks=1 \
      "build-fuzz/bin/$fuzzer" -max_total_time="${FUZZ_SECONDS:-30}" -max_len=4096 -timeout=10 \
      -artifact_prefix="$work/" -print_final_stats=1 "$work/corpus"; then
      echo "fuzz: $fuzzer failed; inputs that failed:" >&2
      find "$work" -maxdepth 1 -type f -print >&2
      exit 1
    fi
    rm -rf "$work"
  done
fi
echo "== all tests passed (at ${SECONDS} s)"
