#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) in
# build-fuzz/, writes their seed corpora and runs each for half of SECONDS (default 60 in all):
#   link_fuzz     the frame decoder
#   records_fuzz  the record layouts, a record file, the Lang.txt loader and the filter texts
# Exits non-zero when a fuzzer finds a crash or a sanitizer report; the input that caused it is
# left in build-fuzz/artifacts/<target>/.
set -euo pipefail
seconds="${1:-60}"
each=$(( seconds / 2 > 0 ? seconds / 2 : 1 ))
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SARVO_FUZZ_BUILD_DIR:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DSARVO_FUZZ=ON -DSARVO_BUILD_TESTS=OFF -DSARVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target link_fuzz link_fuzz_seeds records_fuzz records_fuzz_seeds -j2

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# run TARGET MAX_LEN: fresh seeds, the kept corpus, `each` seconds.
run() {
    local target="$1" max_len="$2"
    rm -rf "$build/seeds/$target"
    mkdir -p "$build/corpus/$target" "$build/artifacts/$target"
    "$build/fuzz/${target}_seeds" "$build/seeds/$target"
    "$build/fuzz/$target" -max_total_time="$each" -max_len="$max_len" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target/" \
        "$build/corpus/$target" "$build/seeds/$target"
    echo "fuzz: $target found no crash in ${each} s"
}
run link_fuzz 6000
run records_fuzz 13000
