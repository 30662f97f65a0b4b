#!/usr/bin/env bash
# Makes the Windows setup and the portable zip from the cross build in
# build-windows/ (built by scripts/windows-test.sh) with cpack, and checks
# them under Wine, in the Wine prefix of that build: the zip holds the two
# programs and nothing else; the setup installs silently into a fixed folder
# and replaces an earlier installation; the installed km62rx.exe tells the
# project's version; the installed window opens (under Xvfb); the silent
# uninstaller leaves no file, shortcut or registry key behind. Prints the
# installed size and how long each step took. Exits non-zero when a step
# fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
install_missing_packages cmake binutils nsis wine64 xvfb xauth xdotool zip unzip

BUILD=build-windows
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# The prefix and settings of scripts/windows-test.sh, and no menu entries or
# desktop files written on this machine for the Start-menu shortcut.
export WINEPREFIX="$PWD/$BUILD/wine-prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

fail() {
  echo "windows-installer: $*" >&2
  exit 1
}
step_started=$SECONDS
step_done() {
  echo "windows-installer: $1 in $((SECONDS - step_started)) s"
  step_started=$SECONDS
}

[[ -f $BUILD/CPackConfig.cmake && -f $WINEPREFIX/system.reg ]] ||
  fail "no Windows build in $BUILD: run scripts/windows-test.sh first"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
setup="$BUILD/km62rx-$version-win64-setup.exe"
zip="$BUILD/km62rx-$version-win64.zip"

# Inside Xvfb from here on, so that every Wine program of the run, the setup
# and uninstaller too, shares one display and one Wine server.
if [[ ${1:-} != --in-xvfb ]]; then
  cmake --build "$BUILD" -j2 --target km62rx km62rx-settings
  rm -f "$setup" "$zip"
  (cd "$BUILD" && cpack -G NSIS >cpack-nsis.log 2>&1) || {
    cat "$BUILD/cpack-nsis.log" >&2
    fail "cpack -G NSIS failed"
  }
  (cd "$BUILD" && cpack -G ZIP >cpack-zip.log 2>&1) || {
    cat "$BUILD/cpack-zip.log" >&2
    fail "cpack -G ZIP failed"
  }
  step_done "setup and zip made"
  listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort || true)
  expected=$(printf 'km62rx-%s-win64/%s\n' "$version" km62rx-settings.exe "$version" km62rx.exe | sort)
  [[ $listed == "$expected" ]] || fail "the zip holds"$'\n'"$listed"$'\n'"instead of"$'\n'"$expected"
  echo "windows-installer: setup $(du -k "$setup" | cut -f1) KB, zip $(du -k "$zip" | cut -f1) KB"
  xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --in-xvfb
  echo "windows-installer: all steps in $SECONDS s"
  exit
fi

"$WINESERVER" -p </dev/null >/dev/null 2>&1 || true
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT

drive_c="$WINEPREFIX/drive_c"
earlier='C:\km62rx-setup-test-earlier'
folder='C:\km62rx-setup-test'
unix_folder="$drive_c/km62rx-setup-test"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KM-62RX Settings Tool.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\km62rx-settings'

# What a run that failed may have left.
rm -rf "$drive_c/km62rx-setup-test-earlier" "$unix_folder" "$shortcut"
"$WINE" reg delete "$key" /f </dev/null >/dev/null 2>&1 || true

# A silent installation (/D last and unquoted, as NSIS wants it), then a
# second one into another folder: the second removes the first.
for target in "$earlier" "$folder"; do
  timeout 300 "$WINE" "$setup" /S "/D=$target" </dev/null || fail "the setup into $target failed"
done
[[ ! -e $drive_c/km62rx-setup-test-earlier ]] ||
  fail "the earlier installation is still there: $(ls "$drive_c/km62rx-setup-test-earlier")"
installed=$(cd "$unix_folder" && find . -mindepth 1 | sort | tr '\n' ' ')
[[ $installed == "./Uninstall.exe ./km62rx-settings.exe ./km62rx.exe " ]] ||
  fail "installed: $installed"
[[ -f $shortcut ]] || fail "no Start-menu shortcut"
grep -qF "$folder\\km62rx-settings.exe" <(strings "$shortcut") ||
  fail "the Start-menu shortcut does not start $folder\\km62rx-settings.exe"
registered=$("$WINE" reg query "$key" </dev/null | tr -d '\r') || fail "no uninstall key $key"
registered_value() {
  sed -n "s/^ *$1 *REG_SZ *//p" <<<"$registered"
}
[[ $(registered_value DisplayVersion) == "$version" &&
  $(registered_value InstallLocation) == "$folder" &&
  $(registered_value UninstallString) == "\"$folder\\Uninstall.exe\"" ]] ||
  fail "the uninstall key holds"$'\n'"$registered"
step_done "installed twice"

told=$(timeout 60 "$WINE" "$folder\\km62rx.exe" --version </dev/null | tr -d '\r')
[[ $told == "km62rx $version" ]] || fail "km62rx.exe --version: '$told', expected 'km62rx $version'"

"$WINE" "$folder\\km62rx-settings.exe" </dev/null >/dev/null 2>&1 &
window_pid=$!
deadline=$((SECONDS + 60))
until xdotool search --name DO-62REvev >/dev/null 2>&1; do
  kill -0 "$window_pid" 2>/dev/null || fail "km62rx-settings.exe ended before its window appeared"
  ((SECONDS < deadline)) || fail "no window DO-62REvev within 60 s"
  sleep 0.5
done
# Closed as a user closes it (WM_CLOSE); killed if it does not end.
"$WINE" taskkill /IM km62rx-settings.exe </dev/null >/dev/null 2>&1 || true
if ! timeout 20 tail --pid="$window_pid" -f /dev/null; then
  echo "windows-installer: km62rx-settings.exe did not end on WM_CLOSE; killed" >&2
  kill "$window_pid" 2>/dev/null || true
fi
wait "$window_pid" 2>/dev/null || true
step_done "installed programs ran"

installed_kb=$(du -sk "$unix_folder" | cut -f1)

# The uninstaller as Settings > Apps starts it: it copies itself to the
# temporary folder, starts the copy and returns; the copy removes everything,
# the uninstaller too.
timeout 120 "$WINE" "$folder\\Uninstall.exe" /S </dev/null || fail "the uninstaller failed"
deadline=$((SECONDS + 60))
while [[ -e $unix_folder || -e $shortcut ]] || "$WINE" reg query "$key" </dev/null >/dev/null 2>&1; do
  if ((SECONDS >= deadline)); then
    [[ -e $unix_folder ]] && fail "left after uninstalling: $(find "$unix_folder" | tr '\n' ' ')"
    [[ -e $shortcut ]] && fail "the shortcut is left after uninstalling"
    fail "the uninstall key is left after uninstalling"
  fi
  sleep 0.5
done
step_done "uninstalled"
echo "windows-installer: installed size $((installed_kb / 1024)).$((installed_kb % 1024 * 10 / 1024)) MB" \
  "($installed_kb KB; budget 10 MB)"
