"""The help page shows today's program: the designer is driven through the shots that
scripts/help-screenshots.sh takes for docs/help, and every picture there must equal its retake
from the program as built, pixel for pixel, until a change that alters one is followed by a retake."""
import re

from PIL import Image

import help_screenshots
from rig import REPO


def test_the_help_pages_pictures_show_the_program_as_built(rig, tmp_path):
    help_screenshots.shoot(rig, tmp_path, retaken := tmp_path / "pictures")
    shown = set(re.findall(r'src="([^"]+)"', (REPO / "docs" / "help" / "guide.html").read_text(encoding="utf-8")))
    assert shown == {p.name for p in retaken.glob("*.png")}, "the guide shows other pictures than are taken"
    stale = [n for n in sorted(shown) if not help_screenshots.same_pixels(REPO / "docs" / "help" / n,
                                                                           Image.open(retaken / n))]
    assert not stale, f"{stale} in docs/help show an older program: retake them with scripts/help-screenshots.sh"
