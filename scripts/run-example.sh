#!/usr/bin/env bash
# Builds Kelvaron and generates the randomization list of the bundled example design "Studie X".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kelvaron-cli
build/default/src/cli/kelvaron-cli generate "${1:-examples/studie-x.kvd}"
