"""Editing a menu on the designer's canvas with the real mouse and keys: the add tools, the
selection and its marks on the screen, moving and resizing with the pointer's shapes, the
stacking commands, Delete, Clear and the canvas's context menu. What counts is what the author
sees on the screen and what Ctrl+S leaves in AutoRun.ard."""
from __future__ import annotations

import time

from ardfile import Button, Image, Label, Project
from behaviour_support import cursor_shape, wait_for_cursor
from designer_support import Designer
from rig import colorref_rgb

BACK = colorref_rgb(0x336699)  # a plain back colour: no gradient under the marks
MARKED = tuple(c ^ 0x80 for c in BACK)  # the gray XOR marks over it


def open_designer(rig, tmp_path, *objects) -> Designer:
    """The designer on a CD folder holding a project of `objects` on a plain background (none: a
    new project)."""
    cd = tmp_path / "cd"
    cd.mkdir()
    if objects:
        project = Project(left=212, top=174, gradient_style=8, back_color=0x336699, objects=list(objects))
        (cd / "AutoRun.ard").write_bytes(project.to_bytes())
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas()
    return designer


def names(designer: Designer) -> list[str]:
    return [o.name for o in designer.saved_project().objects]


def ctrl_click(designer: Designer, x: int, y: int) -> None:
    designer.rig.xdotool("keydown", "ctrl")
    designer.rig.click(*designer.at(x, y))
    designer.rig.xdotool("keyup", "ctrl")


def pick_from_menu(designer: Designer, downs: int) -> None:
    """Waits for a menu, moves down it `downs` times with the keyboard, takes the item with Return
    and waits for the menu to close."""
    rig = designer.rig
    designer.app.wait_window(cls="#32768")
    rig.key(*["Down"] * downs, "Return")
    rig.wait_until(lambda: not rig.find_windows(cls="#32768", app=designer.app), 10, "the menu to close")


def test_each_add_tool_places_one_object_at_the_click(rig, tmp_path):
    designer = open_designer(rig, tmp_path)
    for hint, (x, y) in (("Add Label", (20, 30)), ("Add Button", (150, 60)), ("Add Image", (320, 100))):
        designer.tool(hint)
        rig.click(*designer.at(x, y))
        rig.click(*designer.at(x, y + 200))  # the Select tool is down again: this adds nothing
    project = designer.saved_project()
    assert [(type(o), o.left, o.top, o.width, o.height, getattr(o, "caption", None)) for o in project.objects] == [
        (Label, 20, 30, 65, 17, "New Label"), (Button, 150, 60, 120, 40, "New Button"),
        (Image, 320, 100, 105, 105, None)]


def ring(img, origin, left, top, right, bottom) -> list[tuple]:
    """The screen colours on the border of the design-area rectangle (edges included)."""
    points = {(x, y) for x in range(left, right + 1) for y in (top, bottom)}
    points |= {(x, y) for y in range(top, bottom + 1) for x in (left, right)}
    return [img.getpixel((origin[0] + x, origin[1] + y)) for x, y in sorted(points)]


# A and B overlap, C stands alone, D and E lie exactly on each other.
MARKS = [Image(name=n, left=x, top=y, width=w, height=h) for n, x, y, w, h in (
    ("A", 40, 40, 120, 90), ("B", 100, 80, 120, 90), ("C", 300, 60, 100, 100),
    ("D", 300, 220, 80, 60), ("E", 300, 220, 80, 60))]


def test_selection_marks_follow_clicks_and_rubber_bands(rig, tmp_path):
    designer = open_designer(rig, tmp_path, *MARKS)
    origin = designer.at(0, 0)

    def selected() -> str:
        """The objects whose top-left handle covers the pixel inside their corner."""
        img = rig.screen()
        return "".join(o.name for o in MARKS if img.getpixel((origin[0] + o.left + 1, origin[1] + o.top + 1)) == MARKED)

    def wait_selected(want: str) -> None:
        __tracebackhide__ = True
        seen = []
        rig.wait_until(lambda: seen.append(selected()) or seen[-1] == want, 10, f"handles on {want or 'nothing'}")

    rig.wait_for_pixel(*designer.at(500, 350), BACK)  # the canvas is drawn
    img = rig.screen()
    c = MARKS[2]
    outline = ring(img, origin, c.left - 1, c.top - 1, c.left + c.width, c.top + c.height)
    assert set(outline) == {BACK, MARKED} and outline.count(MARKED) > len(outline) // 3, "no dotted outline around C"
    for grow in (0, 2):  # just inside and two pixels outside the outline: the plain background
        assert set(ring(img, origin, c.left - grow, c.top - grow, c.left + c.width - 1 + grow,
                        c.top + c.height - 1 + grow)) == {BACK}
    d = MARKS[3]
    assert set(ring(img, origin, d.left - 1, d.top - 1, d.left + d.width, d.top + d.height)) == {BACK}, \
        "the outlines of D and E, drawn over each other, should cancel out"
    wait_selected("")
    steps = [(lambda: rig.click(*designer.at(60, 60)), "A"),  # a click on A's body selects it
             (lambda: ctrl_click(designer, 350, 100), "AC"),  # Ctrl+click adds C
             (lambda: designer.drag((250, 30), (310, 70)), "C"),  # a band from an empty place touching C
             (lambda: designer.drag((200, 30), (320, 100), ctrl=True), "B")]  # Ctrl+band toggles B and C
    for act, want in steps:
        act()
        wait_selected(want)
    designer.press("Delete")
    wait_selected("")
    assert names(designer) == ["A", "C", "D", "E"]


def test_moving_and_resizing_with_the_mouse(rig, tmp_path):
    designer = open_designer(rig, tmp_path, Image(name="F", left=100, top=100, width=80, height=60),
                             Image(name="G", left=300, top=100, width=20, height=20))
    rig.click(*designer.at(450, 300))  # empty canvas
    time.sleep(0.5)
    arrow = cursor_shape(rig.display)
    rig.click(*designer.at(140, 130))  # selects F
    rig.move(*designer.at(141, 131))  # the pointer shows what a press would do once it moves
    move = wait_for_cursor(rig, lambda s: s != arrow, "the move pointer over the selected body")
    rig.move(*designer.at(179, 159))  # F's bottom-right handle
    size = wait_for_cursor(rig, lambda s: s not in (arrow, move), "a resize pointer over the handle")
    rig.move(*designer.at(450, 300))
    wait_for_cursor(rig, lambda s: s == arrow, "the arrow over the empty canvas")

    designer.drag((140, 130), (165, 150))  # the body: F moves by 25, 20
    designer.drag((204, 179), (234, 199))  # its bottom-right handle: F grows by 30, 20
    rig.click(*designer.at(310, 110))  # selects G alone
    rig.move(*designer.at(301, 101))  # (not the drag's start: xdotool's --sync waits long for no move)
    wait_for_cursor(rig, lambda s: s == size, "the same resize pointer over G's top-left handle")
    designer.drag((300, 100), (330, 130))  # past the opposite corner: one pixel is left
    saved = [(o.name, o.left, o.top, o.width, o.height) for o in designer.saved_project().objects]
    assert saved == [("F", 125, 120, 110, 80), ("G", 330, 130, 1, 1)]  # F, still selected, would change too


def test_stacking_deleting_and_clearing(rig, tmp_path):
    designer = open_designer(rig, tmp_path, *(Image(name=n, left=40 + 120 * i, top=40, width=60, height=60)
                                              for i, n in enumerate(("One", "Two", "Three", "Four"))))
    rig.click(*designer.at(190, 70))  # Two
    for keys, order in (("ctrl+f", ["One", "Three", "Four", "Two"]), ("ctrl+b", ["Two", "One", "Three", "Four"]),
                        ("Delete", ["One", "Three", "Four"])):
        designer.press(keys)
        assert names(designer) == order, f"after {keys}"

    # A right click selects the object under the pointer alone and opens the canvas's menu.
    rig.click(*designer.at(70, 70))  # One
    rig.click(*designer.at(430, 70), button=3)  # Four
    pick_from_menu(designer, 13)  # Form Properties, ..., Object Link, Edit Caption, Font, Hot Track Font,
    assert names(designer) == ["One", "Three"]  # Bold, Cut, Copy, Paste, Duplicate, Delete

    designer.press("alt+e")  # opens Edit on Undo; then Redo, Cut, Copy, Paste, Duplicate, Form Properties, Start
    pick_from_menu(designer, 15)  # Link, Object Properties, Object Link, Edit Caption, Font, Hot Track Font, Bold,
    # Delete, Clear
    assert names(designer) == []
