#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for SECONDS (default 30) on a
# corpus seeded from the demo game's files. Usage: scripts/run-fuzzers.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
# Seconds one input may take; raise it on a busy machine, where a starved run is not a hang.
timeout=${FUZZ_TIMEOUT:-1}
shift || true
./scripts/install-deps.sh --with-fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARQ_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzzers
# The generator of the normal build writes the seeds.
if [ ! -x build/bin/tarq-demo-game ]; then
    cmake -S . -B build -G Ninja >/dev/null
    cmake --build build -j "$(nproc)" --target tarq-demo-game
fi
work=build-fuzz/work
rm -rf "$work/demo"
mkdir -p "$work"
build/bin/tarq-demo-game --no-music "$work/demo" >/dev/null
rm -rf "$work/entries"
build/bin/tarq-demo-game --entries-only "$work/entries" >/dev/null

# Seeds per target: files of the demo game.
seed() {
    local target=$1
    shift
    mkdir -p "$work/corpus/$target"
    for file in "$@"; do
        [ -f "$file" ] && cp "$file" "$work/corpus/$target/"
    done
    return 0
}
seed settings-file "$work/demo/Tarq_settings.ini"
seed mod-data "$work/demo/tarq.dat"
seed lod-archive "$work"/demo/Data/Tarq_lng.lod
# Small pictures only: large seeds slow every run down.
# awk reads to the end, so find never dies of a closed pipe under pipefail (unlike head).
small_pictures=$(find "$work/entries" -name '*.pcx' -size -64k | sort | awk 'NR <= 20')
seed picture-paletted $small_pictures
seed picture-truecolor $small_pictures $(find "$work/entries" -name '*.pcx' | sort | awk 'NR <= 3')
seed campaign-load "$work"/demo/Maps/*.y6c
seed map-header "$work"/demo/Maps/*.y6m
seed map-inflate "$work"/demo/Maps/*.y6m
# Campaign texts are imported into the main sample campaign; its own export is the seed.
export TARQ_FUZZ_CAMPAIGN="$PWD/$work/demo/Maps/Marches.y6c"
if [ -x build/bin/tarq-campaign ]; then
    build/bin/tarq-campaign --game "$work/demo" export-texts "$TARQ_FUZZ_CAMPAIGN" \
        "$work/marches.txt" && seed text-import "$work/marches.txt"
    # The JSON reader starts from every sample campaign, unpacked.
    rm -rf "$work/unpacked"
    for campaign in "$work"/demo/Maps/*.y6c; do
        name=$(basename "$campaign" .y6c)
        build/bin/tarq-campaign --game "$work/demo" unpack "$campaign" "$work/unpacked/$name" &&
            cp "$work/unpacked/$name/campaign.json" "$work/unpacked/$name.json" &&
            seed campaign-json "$work/unpacked/$name.json"
    done
fi
for dir in tests/fuzz/regressions/*/; do
    [ -d "$dir" ] && seed "$(basename "$dir")" "$dir"*
done

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for exe in build-fuzz/bin/fuzz-*; do targets+=("${exe##*/fuzz-}"); done
fi
for target in "${targets[@]}"; do
    echo "== fuzz-$target for ${seconds}s =="
    mkdir -p "$work/corpus/$target" "$work/artifacts/$target"
    build-fuzz/bin/fuzz-"$target" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 \
        -malloc_limit_mb=64 -print_final_stats=1 -artifact_prefix="$work/artifacts/$target/" \
        "$work/corpus/$target" 2>&1 | grep -E "stat::number_of_executed_units|ERROR|SUMMARY|crash-|Done" || true
    if ls "$work/artifacts/$target/"* >/dev/null 2>&1; then
        echo "fuzz-$target found a failing input in $work/artifacts/$target" >&2
        exit 1
    fi
done
