"""A plain menu built as an author builds it with the layout commands, with real input: a heading,
one button with its link duplicated into four, the four lined up with Align Lefts, Make Same Size
and Distribute Vertically, their captions and links, one font change for all four at once, and a
picture. Each layout command is taken back by one Ctrl+Z and made again by Ctrl+Y. The saved file
has four equal buttons at equal gaps with the font; the authoring actions are counted and printed."""
from __future__ import annotations

from ardfile import Button, Font, read_project
from behaviour_support import write_bmp
from designer_support import Designer, client_point as at, stamp_old

TAIL = 4 + 80  # the reserved word and the tick-count filler differ from save to save
ARRANGE_X = {"Align Lefts": 461, "Make Same Size": 539, "Distribute Vertically": 617}  # tool bar


class Author:
    """The designer's real input, counted: a click, a key, a typed text or a drag is one action."""

    def __init__(self, designer: Designer):
        self.designer, self.rig, self.actions = designer, designer.rig, 0

    def click(self, point, times: int = 1) -> None:
        self.actions += 1
        self.rig.click(*point, repeat=times)

    def keys(self, *keys: str) -> None:
        self.actions += len(keys)
        self.rig.key(*keys)

    def type(self, text: str) -> None:
        self.actions += 1
        self.rig.type_text(text)

    def drag(self, start, end) -> None:
        self.actions += 1
        self.designer.drag(start, end)

    def command(self, keys: str) -> None:
        self.actions += 1
        self.designer.press(keys)

    def dialog(self, title: str):
        window = self.designer.app.wait_window(title=title)
        self.rig.focus(window)
        return window

    def retype(self, window, x: int, y: int, w: int, h: int, text: str) -> None:
        self.actions += 3  # a click into the field, selecting its text, typing
        self.designer.retype(at(window, x, y, w, h), text)

    def add(self, tool: str, x: int, y: int) -> None:
        self.actions += 2
        self.designer.tool(tool)
        self.rig.click(*self.designer.at(x, y))

    def on_canvas(self) -> None:
        """Keys go to the design window: it is the foreground window again, with no click for it."""
        canvas = self.designer.canvas_window
        self.rig.wait_until(lambda: self.rig.foreground() == canvas.hwnd, 10, "the design window in front")

    def arrange(self, command: str) -> None:
        self.actions += 1
        main = self.designer.main
        self.rig.click(main.client.left + ARRANGE_X[command] + 19, main.client.top + 19)


def saved(designer: Designer) -> bytes:
    designer.saved_project()
    return (designer.cd / "AutoRun.ard").read_bytes()[:-TAIL]


def one_step_each_way(designer: Designer, before: bytes) -> None:
    """The command just given is one undo step: Ctrl+Z brings back the design before it."""
    after = saved(designer)
    assert after != before, "the command changed nothing"
    designer.press("ctrl+z")
    assert saved(designer) == before
    designer.press("ctrl+y")
    assert saved(designer) == after


def test_four_equal_buttons_in_a_column_with_the_layout_commands(rig, tmp_path):
    cd = tmp_path / "CD"
    cd.mkdir()
    for name in ("setup.exe", "readme.txt"):
        (cd / name).write_bytes(b"x")
    write_bmp(cd / "logo.bmp", (96, 64), (200, 40, 40))
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas()
    me = Author(designer)

    me.add("Add Label", 30, 20)  # the heading
    me.command("ctrl+p")
    window = me.dialog("Label Properties")
    me.retype(window, 150, 8, 262, 23, "Welcome to the disc")
    me.keys("Return")
    me.command("F4")
    window = me.dialog("Position and Size")
    me.keys("Tab", "Tab")
    me.type("300")
    me.keys("Return")

    me.add("Add Button", 60, 80)  # one button with its link...
    me.command("ctrl+p")
    window = me.dialog("Button Properties")
    me.retype(window, 176, 8, 262, 23, "Install")
    me.keys("Return")
    me.command("ctrl+l")
    me.dialog("Edit Link")
    me.keys("Down", "Tab")  # Open or Execute File
    me.type("\\setup.exe")
    me.keys("Return")

    before = saved(designer)
    me.command("ctrl+d")  # ... duplicated into four
    one_step_each_way(designer, before)
    me.command("ctrl+d")
    me.command("ctrl+d")  # four buttons, each 10, 10 from the one before: put in a column by eye
    me.drag((150, 140), (130, 320))  # the top-most, its top at 290
    me.drag((82, 102), (72, 217))  # the third, at 215
    me.drag((72, 92), (67, 152))  # the second, at 150: the one clicked last, the reference
    rig.focus(designer.canvas_window)
    me.keys("ctrl+shift+Right", "ctrl+shift+Down")  # and 10 larger each way
    me.drag((40, 360), (590, 75))  # a rubber band around the four
    for command in ("Align Lefts", "Make Same Size", "Distribute Vertically"):
        before = saved(designer)
        me.arrange(command)
        one_step_each_way(designer, before)

    buttons = [o for o in designer.saved_project().objects if isinstance(o, Button)]
    assert [(b.left, b.width, b.height) for b in buttons] == [(65, 130, 50)] * 4, "as the reference"
    me.click(designer.at(500, 380))  # nothing selected: a click then selects one button alone
    for (caption, target), button in zip((("Read Me", "\\readme.txt"), ("Web Site", "http://www.quorvane.com/"),
                                          ("Exit", None)), buttons[1:]):  # the duplicates' own
        me.click(designer.at(button.left + 20, button.top + 10))
        me.command("ctrl+p")
        window = me.dialog("Button Properties")
        me.retype(window, 176, 8, 262, 23, caption)
        me.keys("Return")
        me.command("ctrl+l")
        me.dialog("Edit Link")  # the copied link's target comes up selected
        if target is None:
            me.keys("shift+Tab", "End", "Return")  # Exit AutoRun, the list's last action
            continue
        if target.startswith("http"):
            me.keys("shift+Tab", "Down", "Tab")  # Open URL
        me.type(target)
        me.keys("Return")

    before = saved(designer)
    me.drag((40, 360), (590, 75))  # all four at once: one font
    me.command("ctrl+p")
    window = me.dialog("Button Properties: 4 buttons")
    me.click(at(window, 242, 71, 82, 25))  # Font: Select...
    fonts = me.dialog("Font")
    me.click(at(fonts, 173, 78))  # Bold
    me.click(fonts.button("OK").rect.center)  # the font dialog's own
    designer.wait_closed(fonts)
    me.keys("Return")
    one_step_each_way(designer, before)

    me.add("Add Image", 400, 90)  # the picture
    me.command("ctrl+p")
    window = me.dialog("Image Properties")
    me.click(at(window, 396, 39, 82, 25))  # Image File: Select...
    designer.file_dialog()
    me.type("logo.bmp")
    me.keys("Return")
    me.keys("Return")
    me.command("ctrl+s")
    designer.wait_saved()

    project = read_project((cd / "AutoRun.ard").read_bytes())
    buttons = [o for o in project.objects if isinstance(o, Button)]
    assert [b.caption for b in buttons] == ["Install", "Read Me", "Web Site", "Exit"]
    assert len({(b.left, b.width, b.height) for b in buttons}) == 1, "four equal buttons, lined up"
    gaps = [b.top - (a.top + a.height) for a, b in zip(buttons, buttons[1:])]
    assert max(gaps) - min(gaps) <= 1 and min(gaps) > 0, f"equal gaps: {gaps}"
    assert all(b.font.style & 1 for b in buttons), "one font change reached all four"
    assert [(b.link.action, b.link.target) for b in buttons[:3]] == [
        (1, "\\setup.exe"), (1, "\\readme.txt"), (2, "http://www.quorvane.com/")]
    assert buttons[3].link.action == 7  # Exit AutoRun
    assert project.objects[-1].image_file == "\\logo.bmp"
    print(f"\nthe menu took {me.actions} mouse and key actions")


def test_the_plain_menu_in_few_actions(rig, tmp_path):
    """The same menu with the quick ways: captions typed in place, one Bold before the duplicates,
    duplicates in steps, the link editor's copied target coming up selected, the picture's file
    typed into its field that comes up selected. Keys go to the design window, which gets them back
    after each dialog."""
    cd = tmp_path / "CD"
    cd.mkdir()
    for name in ("setup.exe", "readme.txt"):
        (cd / name).write_bytes(b"x")
    write_bmp(cd / "logo.bmp", (96, 64), (200, 40, 40))
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas()
    me = Author(designer)

    me.add("Add Label", 30, 20)  # the heading, typed over the new label, as is every caption
    me.type("Welcome to the disc")
    me.keys("Return")
    me.add("Add Button", 60, 80)  # one bold button with its link
    me.type("Install")
    me.keys("Return", "ctrl+shift+b", "ctrl+l")
    me.dialog("Edit Link")
    me.keys("Down", "Tab")  # Open or Execute File
    me.type("\\setup.exe")
    me.keys("Return")
    me.on_canvas()
    me.keys("ctrl+d")  # the copy 10, 10 on, moved 60 below the first: the step of the next two
    me.drag((80, 100), (70, 150))
    for caption, link in (("Read Me", ["\\readme.txt"]), ("Web Site", ["shift+Tab", "Down", "Tab", "http://www.quorvane.com/"]),
                          ("Exit", ["shift+Tab", "End"])):
        if caption != "Read Me":
            me.keys("ctrl+d")
        me.type(caption)
        me.keys("Return", "ctrl+l")
        me.dialog("Edit Link")  # the copied target comes up selected
        for step in link:
            me.type(step) if step.startswith(("\\", "http")) else me.keys(step)
        me.keys("Return")
        me.on_canvas()
    me.add("Add Image", 400, 90)  # the picture
    me.keys("ctrl+p")
    me.dialog("Image Properties")  # its file's field comes up selected
    me.type("logo.bmp")
    me.keys("Return")
    me.on_canvas()
    stamp_old(designer.ini)
    me.keys("ctrl+s")
    designer.wait_saved()

    project = read_project((cd / "AutoRun.ard").read_bytes())
    heading, *buttons, image = project.objects
    assert [b.caption for b in buttons] == ["Install", "Read Me", "Web Site", "Exit"]
    assert len({(b.left, b.width, b.height) for b in buttons}) == 1, "four equal buttons, lined up"
    gaps = [b.top - (a.top + a.height) for a, b in zip(buttons, buttons[1:])]
    assert len(set(gaps)) == 1 and gaps[0] > 0, f"equal gaps: {gaps}"
    assert all(b.font.style & 1 and b.hot_font.style & 1 for b in buttons), "bold, also under the mouse"
    assert [(b.link.action, b.link.target) for b in buttons[:3]] == [
        (1, "\\setup.exe"), (1, "\\readme.txt"), (2, "http://www.quorvane.com/")]
    assert buttons[3].link.action == 7  # Exit AutoRun
    assert image.image_file == "\\logo.bmp"
    assert heading.caption == "Welcome to the disc"
    # The heading grew to show its whole text: its ink (the columns much darker somewhere than their
    # own background, over the gradient) ends inside it, short of its right edge.
    box = (*designer.at(heading.left, heading.top), *designer.at(heading.left + heading.width, heading.top + heading.height))
    shot = rig.screen().crop(box)
    columns = [[sum(shot.getpixel((x, y))) for y in range(shot.height)] for x in range(shot.width)]
    ink = [x for x, column in enumerate(columns) if min(column) < max(column) // 2]
    assert ink and ink[-1] < shot.width - 1, f"the heading's text runs to its edge: {ink[-3:]} of {shot.width}"
    print(f"\nthe plain menu took {me.actions} mouse and key actions")
    assert me.actions <= 45
