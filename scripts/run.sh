#!/usr/bin/env bash
# Builds the program and starts it in run/ on a virtual serial cable, so that a reading can be
# sent without a dosimeter or an adapter:
#   run/Lang.txt, run/Help/   the language file and the help pages
#   run/adapter               the program's end of the cable (stored in run/Sarvo.ini)
#   run/dosimeter             the end that `sarvo-tool simulate` writes to
# A first run adds a demonstration person with dosimeter 1234. The data in run/DB stay from
# run to run. Ends when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${SARVO_BUILD_DIR:-$root/build}
run=$root/run

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display; start it from a desktop session (scripts/screenshots.sh runs the" \
         "program under Xvfb)" >&2
    exit 1
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target sarvo sarvo-tool
tool=$build/src/tool/sarvo-tool

mkdir -p "$run"
cp Lang.txt "$run/Lang.txt"
rm -rf "$run/Help"
cp -r Help "$run/Help"

# The virtual cable.
rm -f "$run/adapter" "$run/dosimeter"
socat pty,raw,echo=0,link="$run/dosimeter" pty,raw,echo=0,link="$run/adapter" &
socat_pid=$!
trap 'kill "$socat_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -e "$run/adapter" ] && [ -e "$run/dosimeter" ] && break
    sleep 0.1
done
if [ ! -e "$run/adapter" ]; then
    echo "run.sh: socat did not make the virtual cable" >&2
    exit 1
fi

"$tool" settings --dir "$run" --port "$run/adapter" >/dev/null
if [ -z "$("$tool" persons --dir "$run")" ]; then
    "$tool" add-person --dir "$run" --last Ivanova --first Anna --middle Petrovna --dep Lab >/dev/null
    "$tool" register --dir "$run" --person 1 --id 1234
fi

today=$(date +%d.%m)
cat <<EOM

The program runs in $run on the virtual port $run/adapter.
Send a reading of dosimeter 1234 from another terminal:

    $tool simulate --port $run/dosimeter --id 1234 --dose 0.25 --entry 1.5,$today,09:30

EOM
cd "$run"
"$build/src/gui/app/sarvo"
