#!/usr/bin/env bash
# Renders the PNG icons from sarvo.svg (needs rsvg-convert from librsvg2-bin). The renders are
# committed, so building the program or its package never needs the converter.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" sarvo.svg -o "sarvo_${size}.png"
done
