"""The ways an author could lose work, walked with real input: the design window narrowed and a
wide panel border set and reset, a folder whose design cannot be read, Windows ending the session,
a drag under the About box, and a CD folder that vanished. What counts is what the author sees and
what lands in AutoRun.ard."""
from __future__ import annotations

import pytest

from ardfile import Button, Label, Project, read_project
from designer_support import Designer, client_point as at

BUTTONS = [Button(name=f"B{x}", caption="Go", left=x, top=40, width=100, height=40) for x in (60, 260, 460)]


def start(rig, tmp_path, *objects) -> Designer:
    """The designer on a saved menu of `objects`: the start, which counts as a change, is saved."""
    cd = tmp_path / "cd"
    cd.mkdir()
    project = Project(left=212, top=174, back_color=0x336699, gradient_style=8, objects=list(objects))
    (cd / "AutoRun.ard").write_bytes(project.to_bytes())
    designer = Designer(rig, tmp_path, cd).start()
    designer.canvas()
    designer.saved_project()
    return designer


def places(project) -> list[tuple[int, int]]:
    return [(o.left, o.top) for o in project.objects]


def drag_right_edge(designer: Designer, by: int) -> None:
    rig, frame = designer.rig, designer.canvas_window.rect
    x, y = frame.right - 2, frame.center[1]
    rig.move(x, y)
    rig.mouse_down()
    for step in range(1, 6):
        rig.move(x + by * step // 5, y)
    rig.mouse_up()
    rig.wait_until(lambda: designer.canvas_window.rect.right == frame.right + by, 10, "the design window to size")


def set_panel_border_width(designer: Designer, width: str) -> None:
    designer.tool("Form Properties")
    window = designer.app.wait_window(title="Form Properties")
    designer.retype(at(window, 466, 152, 132, 23), width)
    designer.rig.click(*at(window, 442, 312, 80, 26))  # OK
    designer.wait_closed(window)


def test_shrinking_the_design_area_moves_no_object(rig, tmp_path):
    designer = start(rig, tmp_path, *BUTTONS)
    drag_right_edge(designer, -380)  # the design area is 220 wide for a moment
    drag_right_edge(designer, 380)
    designer.press("ctrl+z")  # the widening was one step, however many moves it took
    rig.wait_until(lambda: designer.canvas_window.rect.width == 220, 10, "the narrow window back")
    designer.press("ctrl+y")
    rig.wait_until(lambda: designer.canvas_window.rect.width == 600, 10, "the wide window again")
    set_panel_border_width(designer, "150")
    set_panel_border_width(designer, "0")
    project = designer.saved_project()
    assert places(project) == [(60, 40), (260, 40), (460, 40)]
    assert (project.width, project.panel_border_width) == (600, 0)


def test_a_design_that_cannot_be_read_leaves_the_designer_where_it_was(rig, tmp_path):
    designer = start(rig, tmp_path, Label(name="Kept", caption="Kept", left=30, top=30))
    damaged = tmp_path / "other" / "AutoRun.ard"
    damaged.parent.mkdir()
    damaged.write_bytes(b"\x55\xaa\xaa\x55\x07\x00")  # cut short after its signature
    with designer.ini.open("ab") as ini:  # the File menu's second recent folder
        ini.write(f"RecentFolder2={rig.winpath(damaged.parent)}\r\n".encode("cp1252"))
    designer.press("alt+f")
    designer.app.wait_window(cls="#32768")
    rig.key("2")
    error = designer.app.wait_message_box(title="Error")
    assert error.text == "IO Error"
    rig.confirm_message_box(error)
    designer.main_window()  # still the CD folder's caption
    assert places(designer.saved_project()) == [(30, 30)]
    assert damaged.read_bytes() == b"\x55\xaa\xaa\x55\x07\x00"


@pytest.mark.parametrize("answer", ["Yes", "Cancel"])
def test_ending_the_session_asks_to_save(rig, tmp_path, answer):
    designer = start(rig, tmp_path)
    designer.tool("Add Label")
    rig.click(*designer.at(40, 30))
    ending = rig.start("wineboot", "--end-session")  # as Windows does on log off or shut down
    box = designer.app.wait_message_box(title="Exit")
    assert box.text == "Save Changes to file?"
    rig.click_button(box, answer)
    ending.wait_exit(timeout=60)
    if answer == "Yes":
        designer.wait_saved()
        assert places(read_project((designer.cd / "AutoRun.ard").read_bytes())) == [(40, 30)]
    else:
        designer.app.assert_running()
        designer.main_window()


def test_a_drag_under_the_about_box_changes_nothing(rig, tmp_path):
    designer = start(rig, tmp_path, BUTTONS[0])
    saved = (designer.cd / "AutoRun.ard").read_bytes()
    designer.press("alt+h")
    rig.key("Up", "Return")  # About...
    about = designer.app.wait_window(title="About Quorvane", cls="#32770")
    designer.drag((80, 50), (180, 150))
    rig.click_button(about, "OK")
    designer.wait_closed(about)
    assert places(designer.saved_project()) == [(60, 40)]
    assert (designer.cd / "AutoRun.ard").read_bytes()[:-84] == saved[:-84]  # but the tick counts


def test_a_vanished_cd_folder_stays_the_cd_folder(rig, tmp_path):
    designer = start(rig, tmp_path)
    designer.cd.rename(tmp_path / "renamed")
    designer.press("ctrl+o")
    browser = designer.app.wait_window(title="Browse for Folder")
    rig.focus(browser)
    rig.key("Escape")
    designer.wait_closed(browser)
    designer.tool("Add Label")
    rig.click(*designer.at(40, 30))
    designer.press("ctrl+x")
    box = designer.app.wait_message_box(title="Exit")
    assert box.text == "Save Changes to file?"
    rig.click_button(box, "Yes")
    error = designer.app.wait_message_box(title="Error")
    assert error.text == f'Directory "{designer.cd_winpath}" not found'
    rig.confirm_message_box(error)
    assert designer.main_window().title == "*" + designer.cd_winpath + " - Quorvane"
