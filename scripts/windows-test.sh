#!/usr/bin/env bash
# Cross-builds the layers without Qt (settings, device, ui), their test
# suites and the command line (build-windows/bin/km62rx.exe) for 64-bit
# Windows with MinGW-w64 into build-windows/, and runs the tests under Wine
# on a virtual display (Xvfb): the Windows suites, the window's among them,
# then the command line's end-to-end cases of the Linux build (LINUX_BUILD,
# default build/) a second time with km62rx.exe as the program, each
# simulator reached through a COM port of Wine's. Installs the cross
# compiler, Wine, Xvfb and the CJK fonts when they are missing. Exits
# non-zero when the build or any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
install_missing_packages cmake ninja-build googletest nlohmann-json3-dev g++-mingw-w64-x86-64-posix wine64 \
  xvfb fonts-noto-cjk
# The window's cases need a display, and Wine's desktop keeps the display of
# the first program its server ran: the whole run goes on a virtual display
# of its own.
if [[ -z ${KM62RX_ON_VIRTUAL_DISPLAY:-} ]]; then
  KM62RX_ON_VIRTUAL_DISPLAY=1 exec xvfb-run -a "$PWD/scripts/windows-test.sh" "$@"
fi

BUILD=build-windows
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# The same settings as the test runner the toolchain file gives CTest: a
# prefix of our own, no debug output, no prompts for Wine's add-ons, and
# UTF-8 file names on the Linux side.
export WINEPREFIX="$PWD/$BUILD/wine-prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
# winemenubuilder off: Wine writes no menu entries or file associations on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# COM slots: Wine's port table (HKLM\Software\Wine\Ports) is read only when
# its server starts, so COM11 to COM26 are registered once, when the prefix
# is made, each pointing at a fixed link path in the build folder. A
# simulator started with --link at a slot's path is that COM port for Wine.
SLOTS="$PWD/$BUILD/com-slots"
SLOT_FIRST=11 SLOT_COUNT=16

started=$SECONDS
mkdir -p "$BUILD" "$SLOTS"
rm -f "$SLOTS"/*.lock  # left by a run that was killed
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  echo "windows: creating the Wine prefix in $WINEPREFIX"
  timeout 600 "$WINE" wineboot --init </dev/null >/dev/null 2>&1
  timeout 600 "$WINESERVER" -w
fi
last_slot="COM$((SLOT_FIRST + SLOT_COUNT - 1))"
if ! grep -qF "$SLOTS/$last_slot" "$WINEPREFIX/system.reg"; then
  echo "windows: registering the COM slots COM$SLOT_FIRST to $last_slot"
  for ((n = SLOT_FIRST; n < SLOT_FIRST + SLOT_COUNT; ++n)); do
    timeout 120 "$WINE" reg add 'HKLM\Software\Wine\Ports' /v "COM$n" /t REG_SZ \
      /d "$SLOTS/COM$n" /f </dev/null >/dev/null 2>&1
  done
  timeout 600 "$WINESERVER" -w
fi
# Japanese text in Wine's windows: the window's fixed-pitch face, and the
# face of menus and boxes, which has no Japanese of its own, stand for the
# CJK faces installed on the Linux side.
if ! grep -qF '"Tahoma"="Noto Sans CJK JP"' "$WINEPREFIX/user.reg"; then
  echo "windows: mapping the Japanese fonts"
  timeout 120 "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' \
    /t REG_SZ /d 'Noto Sans Mono CJK JP' /f </dev/null >/dev/null 2>&1
  timeout 120 "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Tahoma' \
    /t REG_SZ /d 'Noto Sans CJK JP' /f </dev/null >/dev/null 2>&1
  timeout 600 "$WINESERVER" -w
fi
# Without a window manager on the virtual display, Wine waits about two
# seconds for each window it hides unless it manages its windows itself.
if ! grep -qF '"Managed"="N"' "$WINEPREFIX/user.reg"; then
  timeout 120 "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    </dev/null >/dev/null 2>&1
  timeout 600 "$WINESERVER" -w
fi
# One Wine server and its background services for the whole run, started
# here with their output detached: a service started by a test would hold
# CTest's output pipe open, and every test would pay for the start-up.
"$WINESERVER" -p </dev/null >/dev/null 2>&1 || true  # one may already run
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
timeout 300 "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
wine_ready=$SECONDS

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DKM62RX_CORE_ONLY=ON --no-warn-unused-cli >/dev/null
cmake --build "$BUILD" -j2
built=$SECONDS
ctest --test-dir "$BUILD" --output-on-failure -j2
tested=$SECONDS

# The command line's end-to-end cases once more with km62rx.exe under Wine, and
# the Windows serial line's own cases (line_check.exe), against simulators on
# Linux reached through the COM slots.
LINUX_BUILD=${LINUX_BUILD:-build}
if [[ ! -f $LINUX_BUILD/CTestTestfile.cmake ]]; then
  configure_and_build "$LINUX_BUILD" -DKM62RX_GUI=OFF
else
  cmake --build "$LINUX_BUILD" -j2 --target protocol_tests
fi
KM62RX_WINE="$WINE" KM62RX_WINE_CLI="$PWD/$BUILD/bin/km62rx.exe" KM62RX_COM_SLOTS="$SLOTS" \
  KM62RX_COM_SLOT_RANGE="$SLOT_FIRST,$SLOT_COUNT" \
  ctest --test-dir "$LINUX_BUILD" --output-on-failure -j2 -L wine
echo "windows: Wine ready in $((wine_ready - started)) s, built in $((built - wine_ready)) s," \
  "tested in $((tested - built)) s, km62rx.exe tested in $((SECONDS - tested)) s"
