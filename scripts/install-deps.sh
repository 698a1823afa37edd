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

web=0
if [ "${1:-}" = "--web" ]; then
  web=1
  # chromium runs the page's browser tests. A Node.js from NodeSource brings its own npm;
  # Debian's keeps it in a package of its own.
  packages+=(emscripten nodejs chromium)
  command -v npm >/dev/null || packages+=(npm)
fi

# The page's test tools from package-lock.json, again whenever the lock file changed.
npm_ci() {
  [ "$web" = 1 ] || return 0
  local root
  root="$(cd "$(dirname "$0")/.." && pwd)"
  if [ ! -f "$root/node_modules/.package-lock.json" ] ||
     [ "$root/package-lock.json" -nt "$root/node_modules/.package-lock.json" ]; then
    if ! command -v npm >/dev/null; then
      echo "npm is missing: install Node.js with its npm to run the page's browser tests." >&2
      return 0
    fi
    (cd "$root" && npm ci --ignore-scripts --no-audit --no-fund)
  fi
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  npm_ci
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
npm_ci
