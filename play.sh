#!/usr/bin/env bash
# Sets everything up, builds, and starts the game on the shipped levels.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build
cd build/run
exec ./kartonik
