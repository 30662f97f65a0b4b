#!/usr/bin/env bash
# Cross-builds the layers without Qt (settings, device, ui) and their test
# suites for 64-bit Windows with MinGW-w64 into build-windows/, and runs the
# tests under Wine, headless. Installs the cross compiler and Wine when they
# are missing. Exits non-zero when the build or any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
install_missing_packages cmake ninja-build googletest g++-mingw-w64-x86-64-posix wine64

BUILD=build-windows
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# The same settings as the test runner the toolchain file gives CTest: a
# prefix of our own, no debug output, no prompts for Wine's add-ons, and
# UTF-8 file names on the Linux side.
export WINEPREFIX="$PWD/$BUILD/wine-prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="

started=$SECONDS
mkdir -p "$BUILD"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  echo "windows: creating the Wine prefix in $WINEPREFIX"
  "$WINE" wineboot --init </dev/null >/dev/null 2>&1
  "$WINESERVER" -w
fi
# One Wine server and its background services for the whole run, started
# here with their output detached: a service started by a test would hold
# CTest's output pipe open, and every test would pay for the start-up.
"$WINESERVER" -p </dev/null >/dev/null 2>&1
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1
wine_ready=$SECONDS

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DKM62RX_CORE_ONLY=ON --no-warn-unused-cli >/dev/null
cmake --build "$BUILD" -j2
built=$SECONDS
ctest --test-dir "$BUILD" --output-on-failure -j2
echo "windows: Wine ready in $((wine_ready - started)) s, built in $((built - wine_ready)) s," \
  "tested in $((SECONDS - built)) s"
