#!/usr/bin/env bash
# Runs a test binary as an ordinary user, so that file permissions are enforced even when the
# test suite itself runs as root. Exit code 77 (skipped) when that is not possible.
set -u
binary=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$binary" "$@"
fi
run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/tmp TMPDIR=/tmp)
if ! command -v setpriv >/dev/null || ! "${run_as[@]}" test -x "$binary"; then
    echo "cannot run $binary as an ordinary user here"
    exit 77
fi
cd /tmp && exec "${run_as[@]}" "$binary" "$@"
