#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree (build/ unless
# named), unpacks it into a scratch root, runs the installed programs there,
# and checks the package with lintian. Any problem stops the script.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
started=$SECONDS

rm -f "$build"/km62rx_*.deb
if ! (cd "$build" && cpack -G DEB) >"$build/cpack.log" 2>&1; then
  cat "$build/cpack.log" >&2
  exit 1
fi
debs=("$build"/km62rx_*.deb)
deb=${debs[0]}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

fail() {
  echo "package: $*" >&2
  exit 1
}
for file in usr/bin/km62rx usr/bin/km62rx-sim usr/bin/km62rx-settings \
  usr/share/applications/km62rx-settings.desktop \
  usr/share/icons/hicolor/64x64/apps/km62rx-settings.png \
  usr/share/man/man1/km62rx.1.gz usr/share/man/man1/km62rx-sim.1.gz \
  usr/share/man/man1/km62rx-settings.1.gz \
  usr/share/bash-completion/completions/km62rx usr/share/doc/km62rx/copyright \
  usr/share/doc/km62rx/changelog.gz; do
  [[ -e $root/$file ]] || fail "$file is missing"
done
for program in km62rx km62rx-sim km62rx-settings; do
  file -b "$root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6serialport6 libqt6widgets6 qt6-qpa-plugins fonts-noto-cjk qt6-translations-l10n; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

# The installed programs run from where they were unpacked.
"$root/usr/bin/km62rx" --version
"$root/usr/bin/km62rx-sim" --help >/dev/null

lintian --fail-on error "$deb"
echo "package: $(basename "$deb") built, installed and checked in $((SECONDS - started)) s"
