"""The main window's tool strip where its one row does not fit: narrowed to 640 pixels with the mouse,
and on a 1024-pixel screen at 192 DPI. The logo goes, the align and size buttons, the read-out and
Check Disc take a second row, nothing lies over anything else, and the buttons there still work."""
from __future__ import annotations

import pytest

from designer_support import Designer

BUTTONS = 10 + 5 + 1  # the tool bar's, the align and size buttons, Check Disc


def overlapping(parts: list[dict]) -> list[tuple[dict, dict]]:
    return [(a, b) for i, a in enumerate(parts) for b in parts[i + 1:]
            if a["rect"].left < b["rect"].right and b["rect"].left < a["rect"].right
            and a["rect"].top < b["rect"].bottom and b["rect"].top < a["rect"].bottom]


@pytest.mark.parametrize("dpi", [96, 192])
def test_a_tool_strip_too_narrow_for_one_row_wraps_with_nothing_over_anything(rig, tmp_path, dpi):
    (tmp_path / "CD").mkdir()
    with rig.screen_dpi(dpi) as factor:
        designer = Designer(rig, tmp_path, tmp_path / "CD").start()
        main = designer.main
        if dpi == 96:  # the right edge of the frame dragged to 640 pixels
            rig.move(main.rect.right - 2, main.rect.top + 30)
            rig.mouse_down()
            for x in range(main.rect.right - 2, 637, -40):
                rig.move(x, main.rect.top + 30)
            rig.move(638, main.rect.top + 30)
            rig.mouse_up()
            main = rig.wait_until(lambda: (w := designer.main_window()).rect.width == 640 and w, 10,
                                  "the main window to be 640 pixels wide")
        row = round(38 * factor)
        # Two rows of buttons and the bar's own 4 pixels below them.
        main = rig.wait_until(lambda: (w := designer.main_window()).client.height == 2 * row + 4 and w,
                              10, "the main window to show two rows")
        parts = rig.parts(main)
        assert not overlapping(parts), overlapping(parts)
        assert all(main.client.left <= p["rect"].left and p["rect"].right <= main.client.right
                   and main.client.top <= p["rect"].top and p["rect"].bottom <= main.client.bottom
                   for p in parts), parts
        buttons = [p for p in parts if p["class"] == "tool bar button"]
        assert len(buttons) == BUTTONS, buttons
        assert "Static" in [p["class"] for p in parts]  # the read-out; the logo has gone
        assert len([p for p in parts if p["class"] == "Static"]) == 1, parts
        # Check Disc, at the right end of the second row, still checks the disc.
        disc = max(buttons, key=lambda p: (p["rect"].top, p["rect"].left))
        assert disc["rect"].top == main.client.top + row and disc["rect"].right == main.client.right, disc
        rig.click(*disc["rect"].center)
        designer.app.wait_window(title="Check Disc")
