"""Arranging with the keyboard in the designer, with real keys: a double click opens an object's
properties, Ctrl+A selects all, the arrow keys move and size the selection (Ctrl by ten), a run of
them is taken back by one Ctrl+Z; and Position and Size (F4) gives a borderless design its exact
size."""
from __future__ import annotations

from ardfile import Button, Project
from designer_support import Designer


def test_arrow_keys_nudge_and_one_undo_takes_a_run_back(rig, tmp_path):
    cd = tmp_path / "CD"
    cd.mkdir()
    (cd / "AutoRun.ard").write_bytes(Project(objects=[
        Button(caption="Go", left=100, top=100, width=120, height=40),
        Button(caption="Stop", left=300, top=100, width=80, height=30)]).to_bytes())
    designer = Designer(rig, tmp_path, cd).start()
    canvas = designer.canvas()
    rig.click(*designer.at(150, 120), repeat=2)
    properties = designer.app.wait_window(title="Button Properties")
    rig.focus(properties)
    rig.key("Escape")
    rig.focus(canvas)
    rig.key("ctrl+a", "Right", "Right", "ctrl+Down")  # a run of moves
    rig.key("shift+Right", "ctrl+shift+Down")  # a run of sizes
    place = lambda: [(o.left, o.top, o.width, o.height) for o in designer.saved_project().objects]
    assert place() == [(102, 110, 121, 50), (302, 110, 81, 40)]
    designer.press("ctrl+z")
    assert place() == [(102, 110, 120, 40), (302, 110, 80, 30)], "one undo takes the sizes back"
    designer.press("ctrl+z")
    assert place() == [(100, 100, 120, 40), (300, 100, 80, 30)], "and one more the moves"


def size(designer: Designer) -> tuple[int, int]:
    client = designer.canvas_window.client
    return client.width, client.height


def test_position_and_size_sizes_a_borderless_design(rig, tmp_path):
    cd = tmp_path / "CD"
    cd.mkdir()
    (cd / "AutoRun.ard").write_bytes(Project(border_style=0, width=400, height=300).to_bytes())
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas()
    assert size(designer) == (400, 300)
    designer.press("F4")
    dialog = designer.app.wait_window(title="Position and Size")
    rig.focus(dialog)
    # Nothing is selected: Left and Top take no focus, Width has it first.
    rig.key("End", "shift+Home")
    rig.type_text("520")
    rig.key("Tab", "End", "shift+Home")
    rig.type_text("260")
    rig.key("Return")
    rig.wait_until(lambda: size(designer) == (520, 260), 10,
                   "the canvas sized 520 x 260", app=designer.app)
    project = designer.saved_project()
    assert (project.border_style, project.width, project.height) == (0, 520, 260)
    designer.press("ctrl+z")
    rig.wait_until(lambda: size(designer) == (400, 300), 10,
                   "the canvas back at 400 x 300", app=designer.app)
