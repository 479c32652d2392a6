"""Authoring with few actions, with the real mouse and keys: a caption typed in place (F2 or simply
typing, Enter, Esc, Ctrl+Enter, a click elsewhere) and taken back by one Ctrl+Z; a column of buttons
50 apart from one moved duplicate, made bold in one key; the grid's dots seen on a green design."""
from __future__ import annotations

from ardfile import Button, Label, Project
from designer_support import Designer
from rig import colorref_rgb
from test_snapping import arrange


def designer_on(rig, tmp_path, project: Project) -> Designer:
    cd = tmp_path / "cd"
    cd.mkdir()
    (cd / "AutoRun.ard").write_bytes(project.to_bytes())
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas()
    return designer


def test_a_caption_typed_in_place_is_one_step(rig, tmp_path):
    designer = designer_on(rig, tmp_path, Project(left=212, top=174, objects=[
        Button(caption="Old", left=40, top=40, width=120, height=40),
        Label(caption="Heading", left=40, top=120, width=65, height=17, word_wrap=True)]))
    at = designer.at
    caption = lambda i: designer.saved_project().objects[i].caption

    rig.click(*at(100, 60))
    rig.key("F2")
    rig.type_text("Install the program")  # wider than the button leaves its caption
    rig.key("Return")
    button = designer.saved_project().objects[0]
    assert (button.caption, button.height) == ("Install the program", 40) and button.width > 120
    designer.press("ctrl+z")
    assert (designer.saved_project().objects[0].caption, designer.saved_project().objects[0].width) == ("Old", 120)

    rig.click(*at(100, 60))
    rig.key("F2")
    rig.type_text("Nope")
    rig.key("Escape")
    assert caption(0) == "Old"
    rig.click(*at(100, 60))
    rig.key("F2", "Delete")  # the text's, not the object's
    rig.type_text("Go")
    rig.key("Return")
    assert caption(0) == "Go"

    rig.click(*at(50, 125))
    rig.type_text("Welcome")  # typing alone opens the box over the label
    rig.key("ctrl+Return")
    rig.type_text("to the CD")
    rig.click(*at(400, 300))  # a click elsewhere keeps it
    label = designer.saved_project().objects[1]
    assert label.caption == "Welcome\r\nto the CD" and label.height >= 26


def test_duplicates_in_steps_make_a_bold_column(rig, tmp_path):
    designer = designer_on(rig, tmp_path, Project(left=212, top=174))
    designer.tool("Add Button")
    rig.click(*designer.at(40, 30))
    designer.press("ctrl+d")  # 10, 10 on
    designer.drag((110, 60), (100, 100))  # the copy 50 below the first
    designer.press("ctrl+d")
    designer.press("ctrl+d")
    designer.press("ctrl+a")
    designer.press("ctrl+shift+b")
    buttons = designer.saved_project().objects
    assert [(b.left, b.top, b.width, b.height) for b in buttons] == [(40, top, 120, 40) for top in (30, 80, 130, 180)]
    assert all(b.font.style == b.hot_font.style == 1 for b in buttons), "bold, under the mouse too"


def test_grid_dots_show_on_a_green_design(rig, tmp_path):
    designer = designer_on(rig, tmp_path, Project(left=212, top=174, gradient_style=8, back_color=0x008000))
    arrange(designer, 3)  # Show Grid
    rig.wait_for_pixel(*designer.at(16, 16), (255, 255, 255))  # the gray XOR alone: a purple as dark
    assert rig.pixel(*designer.at(12, 16)) == colorref_rgb(0x008000)
