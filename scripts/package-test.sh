#!/usr/bin/env bash
# Builds the two Debian packages (km62rx: the command line and the simulator;
# km62rx-settings: the window) from a configured and built tree (build/
# unless named), unpacks them into a scratch root, runs the installed
# programs there, checks what each holds and depends on, and checks both with
# lintian. Any problem stops the script.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
started=$SECONDS

rm -f "$build"/km62rx_*.deb "$build"/km62rx-settings_*.deb
if ! (cd "$build" && cpack -G DEB) >"$build/cpack.log" 2>&1; then
  cat "$build/cpack.log" >&2
  exit 1
fi
cli_deb=$(ls "$build"/km62rx_*.deb)
window_deb=$(ls "$build"/km62rx-settings_*.deb)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$cli_deb" "$root"
dpkg -x "$window_deb" "$root"

fail() {
  echo "package: $*" >&2
  exit 1
}
# Which package holds which file.
contents() { dpkg-deb -c "$1" | awk '{print $6}' | sed 's,^\./,,'; }
for file in usr/bin/km62rx usr/bin/km62rx-sim usr/share/man/man1/km62rx.1.gz \
  usr/share/man/man1/km62rx-sim.1.gz usr/share/bash-completion/completions/km62rx \
  usr/share/doc/km62rx/copyright usr/share/doc/km62rx/changelog.gz; do
  contents "$cli_deb" | grep -qx "$file" || fail "km62rx lacks $file"
done
for file in usr/bin/km62rx-settings usr/share/applications/km62rx-settings.desktop \
  usr/share/icons/hicolor/64x64/apps/km62rx-settings.png \
  usr/share/man/man1/km62rx-settings.1.gz usr/share/doc/km62rx-settings/copyright \
  usr/share/doc/km62rx-settings/changelog.gz; do
  contents "$window_deb" | grep -qx "$file" || fail "km62rx-settings lacks $file"
done
for program in km62rx km62rx-sim km62rx-settings; do
  file -b "$root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
# The command line installs on a machine without a display: no Qt, no X.
cli_depends=$(dpkg-deb -f "$cli_deb" Depends)
if grep -qiE 'qt|libx|xcb|libgl|wayland|fontconfig|freetype' <<<"$cli_depends"; then
  fail "km62rx depends on a GUI library: $cli_depends"
fi
[[ $(dpkg-deb -f "$cli_deb" Recommends) == *bash-completion* ]] || fail "km62rx lacks Recommends: bash-completion"
window_depends=$(dpkg-deb -f "$window_deb" Depends)
for needed in "km62rx (=" libqt6widgets6 qt6-qpa-plugins fonts-noto-cjk qt6-translations-l10n; do
  [[ $window_depends == *"$needed"* ]] || fail "km62rx-settings' Depends lacks $needed: $window_depends"
done
for field in Replaces Breaks; do
  [[ $(dpkg-deb -f "$window_deb" $field) == "km62rx (<< 1.2.0)" ]] || fail "km62rx-settings lacks $field: km62rx (<< 1.2.0)"
done

# The installed programs run from where they were unpacked.
"$root/usr/bin/km62rx" --version
"$root/usr/bin/km62rx-sim" --help >/dev/null

lintian --fail-on error "$cli_deb" "$window_deb"
echo "package: $(basename "$cli_deb") and $(basename "$window_deb") built, installed and checked in $((SECONDS - started)) s"
