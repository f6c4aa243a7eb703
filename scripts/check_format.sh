#!/usr/bin/env bash
# Checks that every C++ file under src/ tests/ tools/ bench/ fuzz/ is formatted by the
# repository's .clang-format (clang-format 14, as `clang-format -i FILE` leaves it).
# Prints the first place clang-format would change in each file and exits 1 if any: the same
# verdict as `clang-format --dry-run -Werror FILE` for each file.
# Usage: scripts/check_format.sh [FILE...]   (default: every tracked *.cpp and *.h)
set -euo pipefail

format="$(command -v clang-format-14 || command -v clang-format || true)"
if [ -z "$format" ]; then
    echo "check_format: clang-format not found (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
if ! "$format" --version | grep -q 'version 14\.'; then
    echo "check_format: warning: $("$format" --version) is not clang-format 14" >&2
fi
dirs=(src tests tools bench fuzz)
if [ $# -gt 0 ]; then
    files=("$@")
elif cd "$(dirname "$0")/.." && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- "${dirs[@]/%//*.cpp}" "${dirs[@]/%//*.h}")
else
    mapfile -t files < <(find "${dirs[@]}" -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
fi

# One clang-format run over all files: with -Werror it would stop at the first file it flags,
# so the same check is made from its warnings (one per place it would change).
out="$(printf '%s\0' "${files[@]}" | xargs -0 -r "$format" --dry-run 2>&1)" || {
    echo "$out" >&2
    echo "check_format: clang-format failed" >&2
    exit 2
}
flagged="$(awk -F: '/: (warning|error): code should be clang-formatted/ && !seen[$1]++ {
    print $1 ":" $2 ": not formatted (first place clang-format would change)" }' <<<"$out")"
if [ -n "$flagged" ]; then
    echo "$flagged"
    echo "check_format: $(echo "$flagged" | wc -l) of ${#files[@]} files are not formatted;" \
        "run: clang-format -i FILE (clang-format 14)"
    exit 1
fi
echo "check_format: ${#files[@]} files formatted"
