#!/usr/bin/env bash
# Makes the README's screenshots under Xvfb: the program with a few persons, in Russian and in
# English, a reading arriving over a virtual serial cable. Writes docs/screenshot-<ru|en>-main.png,
# -log.png (the dose-rate log window), -about.png, -table.png and -chart.png (the history of
# the person read, with three weeks of earlier readings) and -overview.png (the dose overview).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${SARVO_BUILD_DIR:-$root/build}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target sarvo_screenshots sarvo-tool
tool=$build/src/tool/sarvo-tool
shooter=$build/tools/sarvo_screenshots

work=$(mktemp -d)
socat_pid=
cleanup() {
    [ -n "$socat_pid" ] && kill "$socat_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# One working directory per language: name, language index, then the persons as
# "last;first;middle;department;dosimeter" (dosimeter empty for none).
shoot() {
    local name=$1 lang=$2
    shift 2
    local dir=$work/$name
    mkdir -p "$dir"
    cp Lang.txt "$dir/"
    cp -r Help "$dir/"
    socat pty,raw,echo=0,link="$dir/dosimeter" pty,raw,echo=0,link="$dir/adapter" &
    socat_pid=$!
    for _ in $(seq 100); do
        [ -e "$dir/adapter" ] && [ -e "$dir/dosimeter" ] && break
        sleep 0.1
    done
    "$tool" settings --dir "$dir" --port "$dir/adapter" --lang "$lang" >/dev/null
    local number=0 person last first middle dep id
    for person in "$@"; do
        IFS=';' read -r last first middle dep id <<<"$person"
        "$tool" add-person --dir "$dir" --last "$last" --first "$first" --middle "$middle" \
            --dep "$dep" >/dev/null
        number=$((number + 1))
        if [ -n "$id" ]; then
            "$tool" register --dir "$dir" --person "$number" --id "$id"
        fi
    done
    python3 scripts/sample_history.py "$dir" 1234
    # Doses of record this year: one person at the investigation level, one near it.
    local year
    year=$(date +%Y)
    "$tool" add-dose --dir "$dir" --person 1 --dose 4.35 --reason "-" --date "$year-01-15" >/dev/null
    "$tool" add-dose --dir "$dir" --person 1 --dose 1.9 --reason "-" --date "$year-02-15" \
        >/dev/null 2>&1
    "$tool" add-dose --dir "$dir" --person 2 --dose 2.75 --reason "-" --date "$year-01-20" >/dev/null
    "$tool" add-dose --dir "$dir" --person 4 --dose 0.8 --reason "-" --date "$year-02-01" >/dev/null
    mkdir -p docs
    xvfb-run -a -s "-screen 0 1024x768x24" \
        "$shooter" "$dir" "$dir/dosimeter" 1234 "$root/docs/screenshot-$name"
    kill "$socat_pid" 2>/dev/null || true
    socat_pid=
}

shoot ru 0 \
    "Петров;Сергей;Иванович;Лаборатория 2;5678" \
    "Андреева;Анна;Петровна;Лаборатория 1;1234" \
    "Сидоров;Алексей;Николаевич;Реакторный цех;" \
    "Кузнецова;Мария;Сергеевна;Служба РБ;42" \
    "Волков;Дмитрий;Андреевич;Реакторный цех;907311"
shoot en 1 \
    "Evans;Grace;Helen;Laboratory 2;5678" \
    "Brown;Alice;Mary;Laboratory 1;1234" \
    "Hughes;Oliver;Thomas;Reactor hall;" \
    "Clark;Daniel;James;Radiation safety;42" \
    "Walker;Emma;Rose;Reactor hall;907311"
