#!/usr/bin/env bash
# Installs what is needed, checks formatting, layers and Lang.txt, builds everything with
# warnings as errors and runs every test (unit, widget, end-to-end, translations complete, and
# the fuzz targets for a bounded time); then builds the Debian package, checks it, installs it,
# starts it and removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# Fast gates first: formatting, layers, Lang.txt.
scripts/check_all.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --timeout 300)
scripts/check_package.sh
if [ -x scripts/fuzz.sh ]; then
    scripts/fuzz.sh "${SARVO_FUZZ_SECONDS:-60}"
fi
