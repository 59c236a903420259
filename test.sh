#!/usr/bin/env bash
# Sets everything up and runs every test: once in a plain build, once under the address and
# undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build
(cd build && ctest --output-on-failure)
scripts/setup.sh build-sanitize -DKARTONIK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd build-sanitize && ctest --output-on-failure)
