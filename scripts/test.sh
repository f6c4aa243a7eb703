#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test (unit, widget, end-to-end,
# and the decoder's fuzz target for a bounded time).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --timeout 300)
if [ -x scripts/fuzz.sh ]; then
    scripts/fuzz.sh "${SARVO_FUZZ_SECONDS:-60}"
fi
