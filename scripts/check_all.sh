#!/usr/bin/env bash
# The fast gates that need no build: formatting, layers, Lang.txt against lang/. Runs all of them
# and exits 1 if any failed. scripts/test.sh runs it first; run it yourself before a commit.
set -euo pipefail
cd "$(dirname "$0")/.."

failed=()
gate() { # gate NAME COMMAND...
    if ! "${@:2}"; then
        failed+=("$1")
    fi
}
gate format scripts/check_format.sh
gate layers scripts/check_layers.sh
gate Lang.txt python3 scripts/make_lang.py --check
gate help python3 scripts/check_help.py

if [ ${#failed[@]} -gt 0 ]; then
    echo "check_all: failed: ${failed[*]}" >&2
    exit 1
fi
echo "check_all: all gates passed"
