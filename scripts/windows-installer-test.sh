#!/usr/bin/env bash
# Makes the Windows setup and zip of the cross build in build-windows/ (made by
# scripts/windows-test.sh) with cpack, and checks them in that build's Wine
# prefix: the zip holds the two programs only; the setup installs silently and
# replaces an earlier installation; the installed programs run (the window
# under Xvfb); the silent uninstaller leaves no file, shortcut or registry key.
# Prints each step's time and the installed size.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
install_missing_packages cmake binutils nsis wine64 xvfb xauth xdotool zip unzip

BUILD=build-windows
WINE=/usr/lib/wine/wine64
# The settings of scripts/windows-test.sh, and no menu entries or desktop
# files written on this machine for the Start-menu shortcut.
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
[[ -f $BUILD/CPackConfig.cmake && -f $WINEPREFIX/system.reg ]] || fail "run scripts/windows-test.sh first"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
setup="$BUILD/km62rx-$version-win64-setup.exe"

if [[ ${1:-} != --in-xvfb ]]; then
  for generator in NSIS ZIP; do
    (cd "$BUILD" && cpack -G "$generator" >cpack.log 2>&1) || fail "cpack -G $generator: $(cat "$BUILD/cpack.log")"
  done
  step_done "setup and zip made"
  zip="$BUILD/km62rx-$version-win64.zip"
  listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort | tr '\n' ' ')
  [[ $listed == "km62rx-$version-win64/km62rx-settings.exe km62rx-$version-win64/km62rx.exe " ]] ||
    fail "the zip holds $listed"
  echo "windows-installer: setup $(du -k "$setup" | cut -f1) KB, zip $(du -k "$zip" | cut -f1) KB"
  # Every Wine program from here on shares one display and one Wine server.
  xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --in-xvfb
  echo "windows-installer: all steps in $SECONDS s"
  exit
fi

/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
folder='C:\km62rx-setup-test'
unix_folder="$WINEPREFIX/drive_c/km62rx-setup-test"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KM-62RX Settings Tool.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\km62rx-settings'
rm -rf "$unix_folder" "$unix_folder-earlier" "$shortcut" # left by a run that failed
"$WINE" reg delete "$key" /f </dev/null >/dev/null 2>&1 || true

# Silent (/D last and unquoted, as NSIS wants it), twice: the second
# installation, into another folder, removes the first.
for target in "$folder-earlier" "$folder"; do
  timeout 300 "$WINE" "$setup" /S "/D=$target" </dev/null || fail "the setup into $target failed"
done
[[ ! -e $unix_folder-earlier ]] || fail "the earlier installation is left: $(ls "$unix_folder-earlier")"
installed=$(cd "$unix_folder" && find . -mindepth 1 | sort | tr '\n' ' ')
[[ $installed == "./Uninstall.exe ./km62rx-settings.exe ./km62rx.exe " ]] || fail "installed: $installed"
strings "$shortcut" | grep -qF "$folder\\km62rx-settings.exe" || fail "no Start-menu shortcut to the window"
registered=$("$WINE" reg query "$key" </dev/null | tr -d '\r') || fail "no key $key"
value() { sed -n "s/^ *$1 *REG_SZ *//p" <<<"$registered"; }
[[ $(value DisplayVersion) == "$version" && $(value InstallLocation) == "$folder" &&
  $(value UninstallString) == "\"$folder\\Uninstall.exe\"" ]] || fail "the key holds $registered"
step_done "installed twice"

told=$(timeout 60 "$WINE" "$folder\\km62rx.exe" --version </dev/null | tr -d '\r')
[[ $told == "km62rx $version" ]] || fail "km62rx.exe --version says '$told'"
"$WINE" "$folder\\km62rx-settings.exe" </dev/null >/dev/null 2>&1 &
window=$!
for ((i = 0; i < 120; ++i)); do
  xdotool search --name DO-62REvev >/dev/null 2>&1 && break
  kill -0 $window 2>/dev/null || fail "km62rx-settings.exe ended without showing its window"
  sleep 0.5
done
((i < 120)) || fail "no window DO-62REvev within 60 s"
# Closed as a user closes it (WM_CLOSE); killed when that does not end it.
"$WINE" taskkill /IM km62rx-settings.exe </dev/null >/dev/null 2>&1 || true
timeout 20 tail --pid=$window -f /dev/null || { echo "windows-installer: the window ignored WM_CLOSE" >&2; kill $window; }
step_done "installed programs ran"
installed_kb=$(du -sk "$unix_folder" | cut -f1)

# As Settings > Apps runs it: the uninstaller starts a copy of itself in the
# temporary folder and returns; the copy removes everything, the uninstaller too.
timeout 120 "$WINE" "$folder\\Uninstall.exe" /S </dev/null || fail "the uninstaller failed"
for ((i = 0; i < 120; ++i)); do
  [[ -e $unix_folder || -e $shortcut ]] || "$WINE" reg query "$key" </dev/null >/dev/null 2>&1 || break
  sleep 0.5
done
((i < 120)) || fail "the uninstaller left the folder, the shortcut or the key: $(find "$unix_folder" "$shortcut" 2>/dev/null)"
step_done "uninstalled"
echo "windows-installer: installed size $((installed_kb / 1024)).$((installed_kb % 1024 * 10 / 1024)) MB" \
  "($installed_kb KB; budget 10 MB)"
