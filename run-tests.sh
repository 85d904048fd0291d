#!/usr/bin/env bash
# Installs missing packages (as root), builds everything in build/ and runs the whole test
# suite with CTest. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
# scripts/install-deps.sh runs apt-get install for the Debian packages that are missing.
./scripts/install-deps.sh
# A second clone on the same machine builds in seconds when ccache is there: clones side by side
# share the cache, their paths taken relative to the folder above the clone and the build
# folder's own path left out of the hash.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$PWD")}" CCACHE_NOHASHDIR=1
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build -j "$(nproc)"
cd build
ctest --output-on-failure -j "$(nproc)"
