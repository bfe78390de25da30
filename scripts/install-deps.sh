#!/usr/bin/env bash
# Installs the Debian packages Zaviko needs, only those that are missing, and
# any further packages named as arguments (the fuzz build adds its compiler,
# the package build debhelper). Uses sudo when not run as root.
#
#   scripts/install-deps.sh [--game] [package...]
#
# --game installs only what building and running the game needs, so a player's
# `make run` waits for no test, tool or benchmark library; without it the set
# for the tests, the benchmarks, the screenshots and the checks under Xvfb is
# added.
set -euo pipefail

# qt6-tools-dev holds the CMake side of lupdate and lrelease (qt6-l10n-tools),
# which compile the translations into the program; qt6-translations-l10n holds
# Qt's own translations of its dialogs, read at run time; qt6-websockets-dev
# the table server's and the network client's WebSocket. qt6-speech-dev is
# the game's own speech (Qt TextToSpeech); its speech-dispatcher plugin speaks
# with the player's screen reader voice. Its CMake package needs
# Qt6QmlIntegration, which qt6-declarative-dev holds and qt6-speech-dev does
# not pull in. qt6-multimedia-dev plays the game's sounds ("Zvuk").
game=(cmake ninja-build g++ make qt6-base-dev
      qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-websockets-dev
      qt6-speech-dev qt6-speech-speechd-plugin qt6-declarative-dev qt6-multimedia-dev)
# The test and benchmark libraries; Xvfb, xdotool and ImageMagick for the
# end-to-end runs and the screenshots; the desktop-file and AppStream
# validators for the install check; at-spi2-core and D-Bus give the
# accessibility tests a live bus; PulseAudio and its parec record the game's
# sounds from a null sink (make sound-check).
development=(libgtest-dev libgmock-dev libbenchmark-dev
             xvfb xauth xdotool imagemagick x11-utils desktop-file-utils appstream
             at-spi2-core dbus-daemon dbus-bin pulseaudio pulseaudio-utils)

packages=("${game[@]}")
if [[ ${1:-} == --game ]]; then
    shift
else
    packages+=("${development[@]}")
fi
packages+=("$@")

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
