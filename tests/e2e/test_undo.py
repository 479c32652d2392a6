"""Undo and redo in the designer with real keys: a small design walked back step by step to the
empty design and forward again, the canvas equal at each step to what it showed before that
action, and the saved project after the round equal to the one saved before it."""
from __future__ import annotations

from designer_support import Designer

TAIL = 4 + 80  # the reserved word and the tick-count filler differ from save to save


def canvas_pixels(designer: Designer) -> bytes:
    # The pointer off the design, one pixel aside each time: xdotool waits long for a move to
    # where the pointer already is.
    canvas_pixels.aside = not getattr(canvas_pixels, "aside", False)
    designer.rig.move(*designer.at(590 + canvas_pixels.aside, 390))
    return designer.rig.screen().crop(designer.canvas_window.client.box).tobytes()


def test_every_step_undone_and_redone(rig, tmp_path):
    cd = tmp_path / "CD"
    cd.mkdir()
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas()

    def add(tool, x, y):
        designer.tool(tool)
        rig.click(*designer.at(x, y))

    def new_caption():
        designer.press("ctrl+p")
        rig.focus(designer.app.wait_window(title="Label Properties"))
        rig.key("Home", "shift+End")  # the caption edit has the focus first
        rig.type_text("Undone")
        rig.key("Return")

    select = lambda x, y: lambda: rig.click(*designer.at(x, y))  # selecting is no step
    steps = [  # (selection first, the action)
        (None, lambda: add("Add Label", 30, 20)),
        (None, lambda: add("Add Button", 150, 80)),
        (None, lambda: add("Add Image", 320, 150)),
        (None, lambda: designer.drag((200, 100), (240, 140))),  # moves the button
        (select(330, 160), lambda: designer.drag((424, 254), (464, 284))),  # the image's corner
        (select(330, 160), lambda: designer.press("Delete")),
        (select(35, 25), new_caption),
    ]
    before = []
    for prepare, action in steps:
        if prepare:
            prepare()
        before.append(canvas_pixels(designer))
        action()
    final = canvas_pixels(designer)
    project = designer.saved_project()
    assert [(type(o).__name__, o.left, o.top) for o in project.objects] == [("Label", 30, 20), ("Button", 190, 120)]
    assert project.objects[0].caption == "Undone"
    saved = (cd / "AutoRun.ard").read_bytes()

    for step in reversed(range(len(steps))):
        designer.press("ctrl+z")
        rig.wait_until(lambda: canvas_pixels(designer) == before[step], 10,
                       f"the canvas as it was before step {step}", app=designer.app)
    for _ in steps:
        designer.press("ctrl+y")
    rig.wait_until(lambda: canvas_pixels(designer) == final, 10, "the canvas at the end again", app=designer.app)
    designer.saved_project()
    assert (cd / "AutoRun.ard").read_bytes()[:-TAIL] == saved[:-TAIL]
