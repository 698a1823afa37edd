#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the desktop program need.
# Does nothing when they are all present; uses sudo when not run as root.
# With --web, also what the web edition is built and tested with (Emscripten, Node.js).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool openbox ccache
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk
  espeak-ng libespeak-ng-dev libasound2-dev sox
  poppler-utils imagemagick
  desktop-file-utils appstream man-db
)

if [ "${1:-}" = "--web" ]; then
  packages+=(emscripten nodejs)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
