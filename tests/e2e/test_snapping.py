"""Snapping a drag on the designer's canvas with the real mouse and keys: Snap to Objects switched
on in the Arrange menu, a guide on the screen while the dragged object is held near another's left
edge, the object landing exactly on it in AutoRun.ard, the same drag with Alt held landing where the
pointer puts it (and Alt opening no menu), and the setting kept in Quorvane.ini across a restart;
then the grid's dots, 8 pixels apart and after "Grid Size..." 10."""
from __future__ import annotations

from ardfile import Image
from designer_support import client_point
from test_designer_editing import BACK, MARKED, open_designer


def arrange(designer, ups: int) -> None:
    """Takes an item of the Arrange menu, counted from its end: it opens on its first item, and the
    snapping's four items are its last."""
    designer.press("alt+a")
    designer.app.wait_window(cls="#32768")
    designer.rig.key(*["Up"] * ups, "Return")


def test_a_drag_snaps_to_another_object_with_a_guide_and_not_with_alt(rig, tmp_path):
    designer = open_designer(rig, tmp_path, Image(name="T", left=100, top=100, width=80, height=60),
                             Image(name="M", left=300, top=220, width=60, height=60))
    arrange(designer, 4)  # Snap to Objects
    rig.wait_until(lambda: b"SnapToObjects=1\r\n" in designer.ini.read_bytes(), 10, "the setting in Quorvane.ini")

    guide = designer.at(100, 20)  # on T's left edge line, above everything
    # M's left edge held 3 pixels right of T's: a guide down the design area, M lands on the line.
    designer.drag((330, 250), (133, 260), before_release=lambda: rig.wait_for_pixel(*guide, MARKED))
    rig.wait_for_pixel(*guide, BACK)  # the guide goes with the drag

    def left_of_m() -> int:
        return next(o.left for o in designer.saved_project().objects if o.name == "M")
    assert left_of_m() == 100

    designer.drag((130, 260), (133, 260), alt=True)  # 3 pixels off again, with Alt: no snap
    rig.key("Down")  # had Alt's release opened the menu, this would open the window menu
    designer.app.assert_no_window(cls="#32768", during=1.5)
    assert left_of_m() == 103

    designer.press("ctrl+x")
    assert designer.app.wait_exit() == 0
    designer.start()
    rig.wait_until(lambda: designer.canvas_window.rect.left == 212, 20, "the canvas at the design's place")
    designer.drag((133, 260), (134, 260))  # 4 pixels off after the restart: snapped back
    assert left_of_m() == 100

    arrange(designer, 3)  # Show Grid: dots on the design area only
    rig.wait_for_pixel(*designer.at(16, 16), MARKED)
    arrange(designer, 1)  # Grid Size...
    dialog = designer.app.wait_window(title="Grid Size")
    designer.retype(client_point(dialog, 96, 12, 80, 23), "10")
    rig.key("Return")
    rig.wait_for_pixel(*designer.at(20, 20), MARKED)
    assert rig.pixel(*designer.at(16, 16)) == BACK
