#!/usr/bin/env bash
# Installs missing packages (as root), builds the editor, writes the demo game into demo-game/
# and starts the editor on it. `--language ru` first writes and opens the Russian demo game in
# demo-game-ru/ instead. Other arguments go to the editor (a campaign file to open).
set -euo pipefail
cd "$(dirname "$0")"
language=en
if [ "${1:-}" = "--language" ] && [ $# -ge 2 ]; then
    language=$2
    shift 2
fi
game=demo-game
[ "$language" = en ] || game=demo-game-$language
# scripts/install-deps.sh runs apt-get install for the Debian packages that are missing.
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
# The demo game is written anew whenever the generator or a translation changed.
if [ ! -f "$game/Tarq_settings.ini" ] || [ build/bin/tarq-demo-game -nt "$game/tarq.dat" ] ||
    [ -n "$(find build/translations -name '*.qm' -newer "$game/tarq.dat")" ]; then
    rm -rf "$game"
    build/bin/tarq-demo-game --language "$language" "$game"
fi
campaign=()
if [ $# -eq 0 ] && [ -f "$game/Maps/Marches.y6c" ]; then
    campaign=("$game/Maps/Marches.y6c")
fi
exec build/bin/tarq-campaign-editor --game "$game" "${campaign[@]}" "$@"
