#!/usr/bin/env bash
# Builds the frame decoder's libFuzzer target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/, writes a seed corpus of good frames and runs the
# fuzzer for SECONDS (default 60). Exits non-zero when the fuzzer finds a crash or a sanitizer
# report; the input that caused it is left in build-fuzz/artifacts/.
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SARVO_FUZZ_BUILD_DIR:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DSARVO_FUZZ=ON -DSARVO_BUILD_TESTS=OFF -DSARVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target link_fuzz link_fuzz_seeds -j2

rm -rf "$build/seeds"
mkdir -p "$build/corpus" "$build/artifacts"
"$build/fuzz/link_fuzz_seeds" "$build/seeds"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
"$build/fuzz/link_fuzz" -max_total_time="$seconds" -max_len=6000 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
    "$build/corpus" "$build/seeds"
echo "fuzz: no crash in ${seconds} s"
