#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds.
# Usage: scripts/setup.sh BUILD-DIR [CMAKE-ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."
BuildDir=$1
shift

Packages=(build-essential cmake libsfml-dev libgtest-dev libx11-dev
          xvfb xauth xdotool imagemagick libgl1-mesa-dri)
Missing=()
for Package in "${Packages[@]}"; do
    dpkg-query -W -f='${Status}' "$Package" 2>/dev/null | grep -q 'install ok installed' ||
        Missing+=("$Package")
done
if [ ${#Missing[@]} -gt 0 ]; then
    echo "Installing: ${Missing[*]}"
    Sudo=
    [ "$(id -u)" = 0 ] || Sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $Sudo apt-get update -q
    $Sudo apt-get install -y -q --no-install-recommends "${Missing[@]}"
fi

cmake -S . -B "$BuildDir" "$@"
cmake --build "$BuildDir" -j "$(nproc)"
