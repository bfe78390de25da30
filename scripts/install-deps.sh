#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the screenshots and the
# install check need, only those that are missing, and any further packages
# named as arguments (the fuzz build adds its compiler). Uses sudo when not run
# as root.
set -euo pipefail

# qt6-tools-dev holds the CMake side of lupdate and lrelease (qt6-l10n-tools);
# qt6-translations-l10n holds Qt's own translations of its dialogs.
# at-spi2-core and D-Bus give the accessibility tests a live bus.
packages=(cmake ninja-build g++ make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          xvfb xauth xdotool imagemagick x11-utils desktop-file-utils appstream
          at-spi2-core dbus-daemon dbus-bin "$@")

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
