#!/usr/bin/env bash
# Builds the Debian package build/package/kelvaron_<version>_<arch>.deb from a clean Release build of the
# program and the tool (the tests are not built). Needs root only to install what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q "install ok installed"; then
    # dpkg-shlibdeps computes the package's library dependencies.
    if [ "$(id -u)" -ne 0 ]; then
        echo "package: dpkg-dev is missing; run this as root" >&2
        exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends dpkg-dev
fi

build=build/package
rm -rf "$build"
# Optimised as Debian builds its packages (-O2); the install step builds only what it installs, not the
# tests.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DKELVARON_BUILD_TESTS=OFF -DKELVARON_BUILD_BENCHMARK=OFF -DKELVARON_WARNINGS_AS_ERRORS=OFF \
    --no-warn-unused-cli >/dev/null
cmake --build "$build" --target kelvaron kelvaron-cli kelvaron_man_pages
(cd "$build" && cpack -G DEB)
ls "$build"/kelvaron_*.deb
