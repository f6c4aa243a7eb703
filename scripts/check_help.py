#!/usr/bin/env python3
"""Checks that the seven help pages in Help/ agree: each is UTF-8 with <meta charset="utf-8"> and
its language's <html lang>, every h2/h3 has an id, ids are unique, "#id" links resolve, and the
h2/h3 ids stand in the order of Sarvo_Eng.html. SARVO_HELP_PENDING names pages (tags, e.g.
"Nem Fr") still being translated: their section faults show as "incomplete" without failing.
Exit 1 on any other fault."""
import os
import sys
from html.parser import HTMLParser
from pathlib import Path

PAGES = {"Eng": "en", "Rus": "ru", "Nem": "de", "Fr": "fr", "Isp": "es", "Itl": "it", "Pol": "pl"}
HELP = Path(__file__).resolve().parent.parent / "Help"


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.lang = self.charset = None
        self.sections, self.ids, self.links, self.unnamed = [], [], [], []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "html":
            self.lang = a.get("lang")
        elif tag == "meta" and "charset" in a:
            self.charset = (a["charset"] or "").lower()
        elif tag == "a" and (a.get("href") or "").startswith("#"):
            self.links.append(a["href"][1:])
        if a.get("id"):
            self.ids.append(a["id"])
        if tag in ("h2", "h3"):
            (self.sections if a.get("id") else self.unnamed).append(a.get("id") or self.getpos()[0])


def check(tag, lang, english):
    """Returns (basic faults, section faults, sections missing) of one page."""
    page = Page()
    try:
        page.feed((HELP / f"Sarvo_{tag}.html").read_bytes().decode("utf-8"))
    except (OSError, UnicodeDecodeError) as error:
        return [f"cannot be read as UTF-8: {error}"], [], len(english)
    basic = []
    if page.lang != lang:
        basic.append(f'<html lang="{page.lang}">, expected "{lang}"')
    if page.charset != "utf-8":
        basic.append(f"charset {page.charset!r}, expected utf-8")
    sections = []
    if page.unnamed:
        sections.append("h2/h3 without an id on lines " + ", ".join(map(str, page.unnamed)))
    if twice := sorted({i for i in page.ids if page.ids.count(i) > 1}):
        sections.append("ids used twice: " + ", ".join(twice))
    if missing := sorted(set(page.links) - set(page.ids)):
        sections.append("links to missing ids: " + ", ".join(missing))
    lacking = [i for i in english if i not in page.sections]
    if lacking:
        sections.append("lacks " + ", ".join(lacking))
    if extra := [i for i in page.sections if i not in english]:
        sections.append("has sections English lacks: " + ", ".join(extra))
    if not lacking and not extra and page.sections != english:
        sections.append("sections in another order than Sarvo_Eng.html")
    return basic, sections, len(lacking)


def main():
    pending = set(os.environ.get("SARVO_HELP_PENDING", "").split())
    english = Page()
    english.feed((HELP / "Sarvo_Eng.html").read_text(encoding="utf-8"))
    failed = False
    for tag, lang in PAGES.items():
        basic, sections, lacking = check(tag, lang, english.sections)
        if sections and tag in pending:
            print(f"check_help: Sarvo_{tag}.html incomplete: lacks {lacking} of "
                  f"{len(english.sections)} sections")
            sections = []
        for fault in basic + sections:
            print(f"check_help: Sarvo_{tag}.html: {fault}", file=sys.stderr)
            failed = True
    if not failed:
        print(f"check_help: {len(english.sections)} sections; the pages agree")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
