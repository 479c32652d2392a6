"""The help page shows today's program: the designer is driven through the shots that
scripts/help-screenshots.sh takes for docs/help, and every picture there must equal its retake
from the program as built, pixel for pixel. A change that alters what a picture shows (a new
tool bar button, another dialog) fails here until the pictures are retaken and looked at."""
from __future__ import annotations

import re

from PIL import Image

import help_screenshots
from rig import REPO

HELP = REPO / "docs" / "help"


def test_the_help_pages_pictures_show_the_program_as_built(rig, tmp_path):
    retaken = tmp_path / "pictures"
    retaken.mkdir()
    help_screenshots.shoot(rig, tmp_path, retaken)
    shown = set(re.findall(r'\bsrc="([^"]+\.png)"', (HELP / "guide.html").read_text(encoding="utf-8")))
    assert shown == {p.name for p in retaken.glob("*.png")}, "the guide shows other pictures than are taken"
    stale = [name for name in sorted(shown)
             if not help_screenshots.same_pixels(HELP / name, Image.open(retaken / name))]
    assert not stale, (f"docs/help/{stale} no longer show the program as built: retake them with "
                       f"scripts/help-screenshots.sh and look at them before committing")
