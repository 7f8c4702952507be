#!/usr/bin/env bash
# Installs the Debian packages that the game, its tests and its package need and
# that are missing, then builds it.
# Usage: scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-documentation-tools qt6-l10n-tools qt6-wayland weston libqt6sql6-sqlite fonts-ipafont-gothic
          fonts-liberation qt6-translations-l10n dpkg-dev file desktop-file-utils appstream groff-base man-db
          lintian xvfb)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
