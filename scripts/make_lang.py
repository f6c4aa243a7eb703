#!/usr/bin/env python3
"""Builds Lang.txt from the UTF-8 sources in lang/.

Each source holds one language block of 95 lines: the block's free first line (the name
of the language) followed by language lines 1 to 94. The blocks are written in the order
of the language index, each in its own Windows code page, every line ended by CR LF.

Usage: scripts/make_lang.py [--check] [--out PATH]
  --check  build in memory and compare with the existing Lang.txt; exit 1 if they differ
  --out    where to write (default: Lang.txt in the repository root)
"""

import argparse
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LANG_DIR = ROOT / "lang"

# Language index order: source file and Windows code page of its block.
BLOCKS = [
    ("rus.txt", "cp1251"),
    ("eng.txt", "cp1252"),
    ("nem.txt", "cp1252"),
    ("fr.txt", "cp1252"),
    ("isp.txt", "cp1252"),
    ("itl.txt", "cp1252"),
    ("pol.txt", "cp1250"),
]

BLOCK_LINES = 95
UNUSED_LINES = {66, 70, 71, 72}  # language lines the program never shows


class SourceError(Exception):
    pass


def read_source(path: Path) -> list[str]:
    try:
        raw = path.read_bytes()
    except OSError as e:
        raise SourceError(f"{path}: cannot read: {e.strerror}") from e
    if raw.startswith(b"\xef\xbb\xbf"):
        raise SourceError(f"{path}: starts with a byte-order mark; save it as UTF-8 without BOM")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        raise SourceError(f"{path}: not valid UTF-8 at byte {e.start}") from e

    text = text.replace("\r\n", "\n")
    if text.endswith("\n"):
        text = text[:-1]
    lines = text.split("\n")
    if len(lines) != BLOCK_LINES:
        raise SourceError(f"{path}: has {len(lines)} lines, must have exactly {BLOCK_LINES} "
                          "(the language name, then language lines 1 to 94)")

    for number, line in enumerate(lines, start=1):
        where = f"{path}:{number} (language line {number - 1})" if number > 1 else f"{path}:1"
        for ch in line:
            # CR would end the line early in Lang.txt, Ctrl-Z would end the whole file.
            if ord(ch) < 0x20 or ord(ch) == 0x7F:
                raise SourceError(f"{where}: control character U+{ord(ch):04X}")
        if number > 1 and line == "" and (number - 1) not in UNUSED_LINES:
            raise SourceError(f"{where}: empty text")
    return lines


def encode_block(path: Path, lines: list[str], codepage: str) -> bytes:
    out = bytearray()
    for number, line in enumerate(lines, start=1):
        try:
            out += line.encode(codepage, errors="strict")
        except UnicodeEncodeError as e:
            ch = line[e.start]
            raise SourceError(f"{path}:{number}: character {ch!r} (U+{ord(ch):04X}) "
                              f"at column {e.start + 1} cannot be written in {codepage}") from e
        out += b"\r\n"
    return bytes(out)


def build() -> bytes:
    data = bytearray()
    for name, codepage in BLOCKS:
        path = LANG_DIR / name
        data += encode_block(path, read_source(path), codepage)
    return bytes(data)


def main() -> int:
    parser = argparse.ArgumentParser(description="Build Lang.txt from lang/*.txt")
    parser.add_argument("--check", action="store_true",
                        help="compare with the existing file instead of writing it")
    parser.add_argument("--out", type=Path, default=ROOT / "Lang.txt")
    args = parser.parse_args()

    try:
        data = build()
    except SourceError as e:
        print(f"make_lang: error: {e}", file=sys.stderr)
        return 1

    line_count = data.count(b"\r\n")
    expected = BLOCK_LINES * len(BLOCKS)
    if line_count != expected:
        print(f"make_lang: error: built {line_count} lines, expected {expected}", file=sys.stderr)
        return 1

    if args.check:
        try:
            current = args.out.read_bytes()
        except OSError:
            current = None
        if current != data:
            print(f"make_lang: {args.out} is out of date; run scripts/make_lang.py",
                  file=sys.stderr)
            return 1
        print(f"make_lang: {args.out} is up to date ({line_count} lines)")
        return 0

    args.out.write_bytes(data)
    print(f"make_lang: wrote {args.out} ({line_count} lines, {len(data)} bytes)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
