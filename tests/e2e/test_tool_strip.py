"""The main window's tool strip too narrow for one row: narrowed to 640 pixels with the mouse, and at
192 DPI on this 1024-pixel screen. The logo goes, the align and size buttons, the read-out and
Check Disc take a second row, nothing lies over anything else, and Check Disc still works."""
from __future__ import annotations

import pytest

from designer_support import Designer


@pytest.mark.parametrize("dpi", [96, 192])
def test_a_tool_strip_too_narrow_for_one_row_wraps_with_nothing_over_anything(rig, tmp_path, dpi):
    (tmp_path / "CD").mkdir()
    with rig.screen_dpi(dpi) as factor:
        designer = Designer(rig, tmp_path, tmp_path / "CD").start()
        main = designer.main
        if dpi == 96:  # the frame's right edge dragged to 640 pixels
            rig.move(main.rect.right - 2, 30)
            rig.mouse_down()
            for x in range(main.rect.right - 2, 637, -40):
                rig.move(x, 30)
            rig.move(638, 30)
            rig.mouse_up()
        row = round(38 * factor)  # two rows of buttons and the bar's own 4 pixels below them
        main = rig.wait_until(lambda: (w := designer.main_window()).client.height == 2 * row + 4
                              and (dpi != 96 or w.rect.width == 640) and w, 10, "the main window to show two rows")
        parts = rig.parts(main)
        boxes = [p["rect"] for p in parts]
        assert not [(a, b) for i, a in enumerate(boxes) for b in boxes[i + 1:] if a.left < b.right and
                    b.left < a.right and a.top < b.bottom and b.top < a.bottom], parts
        assert all(main.client.left <= b.left and b.right <= main.client.right and b.bottom <= main.client.bottom
                   for b in boxes), parts
        # The tool bar's 10 buttons, 5 to align and size, Bold and Check Disc, and the read-out, not
        # the logo.
        assert sorted(p["class"] for p in parts) == ["Button"] + ["Static"] + ["tool bar button"] * 17, parts
        disc = max((p["rect"] for p in parts if p["class"] == "tool bar button"), key=lambda b: (b.top, b.left))
        assert (disc.top, disc.right) == (main.client.top + row, main.client.right), disc  # the second row's end
        rig.click(*disc.center)
        designer.app.wait_window(title="Check Disc")
