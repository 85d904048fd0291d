#!/usr/bin/env bash
# Installs missing packages (as root), builds everything in build/ and runs the whole test
# suite with CTest. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
# scripts/install-deps.sh runs apt-get install for the Debian packages that are missing.
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
cd build
ctest --output-on-failure -j "$(nproc)"
