"""Builds the designer's help page: the guide in docs/help with every picture it shows put inside
it as a data: URI, so that the page is one file that needs nothing beside it and nothing from
the network.

Usage:
  help_page.py GUIDE OUTPUT

Every src="..." of GUIDE must name a PNG in GUIDE's folder (so the guide itself shows its
pictures when opened from there). The build fails when a picture is missing or not a PNG, or when
the guide would fetch anything else (a script, a stylesheet link, a CSS url()).
Standard-library Python only.
"""
from __future__ import annotations

import base64
import re
import sys
from pathlib import Path

PICTURE = re.compile(r'\bsrc="([^"]*)"')
PICTURE_NAME = re.compile(r"[A-Za-z0-9_-]+\.png")
FETCHES = re.compile(r"<script\b|<link\b|url\(", re.IGNORECASE)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def build(guide: Path) -> str:
    def inline(match: re.Match) -> str:
        name = match.group(1)
        if not PICTURE_NAME.fullmatch(name):
            raise ValueError(f"{guide}: {name!r} is not the name of a PNG beside the guide")
        data = (guide.parent / name).read_bytes()
        if not data.startswith(PNG_SIGNATURE):
            raise ValueError(f"{guide.parent / name} is not a PNG file")
        return f'src="data:image/png;base64,{base64.b64encode(data).decode("ascii")}"'

    page = PICTURE.sub(inline, guide.read_text(encoding="utf-8"))
    if fetch := FETCHES.search(page):
        raise ValueError(f"{guide}: the page would fetch something ({fetch.group(0)!r})")
    return page


def main(argv: list[str]) -> int:
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    guide, output = Path(argv[1]), Path(argv[2])
    try:
        page = build(guide)
    except (OSError, ValueError) as e:
        print(f"help_page.py: {e}", file=sys.stderr)
        return 1
    output.parent.mkdir(parents=True, exist_ok=True)
    temporary = output.with_name(output.name + ".tmp")
    temporary.write_text(page, encoding="utf-8", newline="\r\n")
    temporary.replace(output)  # a failed build never leaves half a page
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
