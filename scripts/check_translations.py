#!/usr/bin/env python3
"""Fails when the translations are not in step with the sources.

Runs scripts/update-translations.sh over copies of translations/*.ts in a temporary directory,
so that a text that is in the sources but not yet in the .ts files shows up as unfinished, and
then lists every message of the seven files whose translation is unfinished or empty. Exit code 0
when there is none, 1 otherwise. The repository's files are not changed.
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

CODES = ["ru", "en", "de", "fr", "es", "it", "pl"]


def missing(ts_file):
    """(context, source) of each message without a finished translation."""
    found = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") in ("vanished", "obsolete"):
                continue
            forms = [] if translation is None else list(translation.iter("numerusform"))
            texts = [f.text for f in forms] if forms else [None if translation is None else translation.text]
            unfinished = translation is None or translation.get("type") == "unfinished"
            if unfinished or not all(texts):
                found.append((name, message.findtext("source", "")))
    return found


def main():
    root = Path(__file__).resolve().parent.parent
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        for code in CODES:
            ts = root / "translations" / f"sarvo_{code}.ts"
            if not ts.exists():
                problems.append(f"{ts.name}: missing")
                continue
            shutil.copy(ts, tmp)
        subprocess.run([str(root / "scripts" / "update-translations.sh"), tmp], check=True)
        for code in CODES:
            ts = Path(tmp) / f"sarvo_{code}.ts"
            if ts.exists():
                for context, source in missing(ts):
                    problems.append(f"{ts.name}: {context}: no translation of \"{source}\"")
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} translation(s) missing: run scripts/update-translations.sh and "
              "translate the unfinished messages in translations/")
        return 1
    print("translations: all texts translated")
    return 0


if __name__ == "__main__":
    sys.exit(main())
