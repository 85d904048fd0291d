#!/usr/bin/env bash
# Installs missing packages (as root), builds everything in build/ and runs the whole test
# suite with CTest. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
# scripts/install-deps.sh runs apt-get install for the Debian packages that are missing.
./scripts/install-deps.sh
# A second clone on the same machine builds in seconds when ccache is there.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build -j "$(nproc)"
cd build
ctest --output-on-failure -j "$(nproc)"
