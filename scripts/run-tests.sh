#!/usr/bin/env bash
# Builds Kelvaron with all its tests and runs them (the Qt tests on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
QT_QPA_PLATFORM=offscreen ctest --preset default
