#!/usr/bin/env bash
# Installs missing packages (as root), builds the editor, writes the demo game into demo-game/
# and starts the editor on it. Extra arguments go to the editor (a campaign file to open).
set -euo pipefail
cd "$(dirname "$0")"
# scripts/install-deps.sh runs apt-get install for the Debian packages that are missing.
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
# The demo game is written anew whenever the generator changed.
if [ ! -f demo-game/Tarq_settings.ini ] || [ build/bin/tarq-demo-game -nt demo-game/tarq.dat ]; then
    rm -rf demo-game
    build/bin/tarq-demo-game demo-game
fi
campaign=()
if [ $# -eq 0 ] && [ -f demo-game/Maps/Marches.y6c ]; then
    campaign=(demo-game/Maps/Marches.y6c)
fi
exec build/bin/tarq-campaign-editor --game demo-game "${campaign[@]}" "$@"
